#!/usr/bin/env python3
"""Checks the program's application manifest without running the program:
   check_manifest_dpi.py MANIFEST
It must be well-formed XML (Windows refuses to start a program whose manifest
is not, where Wine runs it anyway), and its windowsSettings must declare
per-monitor DPI awareness, version 2 first, with the older setting beside it:
dpiAwareness "PerMonitorV2, PerMonitor" and dpiAware "true/pm", each in its
own namespace (an element in the wrong namespace is ignored)."""
import sys
import xml.etree.ElementTree as ElementTree

ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
WANTED = {
    "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}dpiAwareness": "PerMonitorV2, PerMonitor",
    "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}dpiAware": "true/pm",
}


def main(path):
    try:
        root = ElementTree.parse(path).getroot()
    except ElementTree.ParseError as error:
        return f"{path}: not well-formed XML: {error}"
    if root.tag != ASM_V1 + "assembly":
        return f"{path}: the root is {root.tag}, not an asm.v1 assembly"
    found = {}
    for settings in root.findall(f"{ASM_V3}application/{ASM_V3}windowsSettings"):
        for element in settings:
            if element.tag in WANTED:
                found.setdefault(element.tag, []).append((element.text or "").strip())
    for tag, value in WANTED.items():
        if found.get(tag) != [value]:
            return f"{path}: {tag} is {found.get(tag)}, not once '{value}'"
    print(f"{path}: per-monitor DPI awareness declared")
    return None


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
