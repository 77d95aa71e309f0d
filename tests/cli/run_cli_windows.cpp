// The Windows console program, started with CreateProcessW from this Windows
// test program. Its arguments are put on a UTF-16 command line quoted as the
// C runtime splits it; its stdout and stderr are pipes read to their end.
#include "run_cli.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

namespace macrange::test {

namespace {

// MACRANGE_CLI is the Unix path of the built program; Wine maps / to Z:.
std::wstring ProgramPath() {
  std::wstring path = L"Z:";
  for (const char* p = MACRANGE_CLI; *p; ++p) path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
  return path;
}

// The argument as the C runtime reads it back: within quotes, a run of
// backslashes is literal unless a quote follows it, when each is doubled and
// the quote escaped.
std::wstring Quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(2 * backslashes, L'\\');
  return out + L"\"";
}

// Code page 936 bytes as UTF-16, written with the system's functions directly
// (not the program's conversion, which is under test). Fails the test for
// bytes that a command line cannot carry: text that is not code page 936.
std::wstring CommandLineText(const std::string& bytes) {
  if (bytes.empty()) return std::wstring();
  const int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(),
                                    static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) {
    MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
  }
  std::string back(bytes.size() * 2 + 1, '\0');
  const int m = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), back.data(),
                                    static_cast<int>(back.size()), nullptr, nullptr);
  back.resize(m > 0 ? static_cast<std::size_t>(m) : 0);
  if (n <= 0 || back != bytes) {
    ADD_FAILURE() << "argument " << testing::PrintToString(bytes)
                  << " is no code page 936 text, which a Windows command line cannot carry";
  }
  return wide;
}

std::string ReadToEnd(HANDLE pipe) {
  std::string text;
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) text.append(buffer, n);
  return text;
}

// A file of its own, open for reading only, deleted when closed.
HANDLE OpenReadOnlyFile(SECURITY_ATTRIBUTES* inherit) {
  wchar_t folder[MAX_PATH];
  wchar_t path[MAX_PATH];
  if (!GetTempPathW(MAX_PATH, folder) || !GetTempFileNameW(folder, L"mrc", 0, path)) {
    return INVALID_HANDLE_VALUE;
  }
  return CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     inherit, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

constexpr DWORD kDeadlineMs = 60'000;

}  // namespace

Outcome RunCliWide(const std::vector<std::wstring>& args, Stdout stdout_to) {
  const std::wstring program = ProgramPath();
  std::wstring command_line = Quoted(program);
  for (const std::wstring& arg : args) command_line += L" " + Quoted(arg);

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE out_read = nullptr, out_write = nullptr, err_read = nullptr, err_write = nullptr;
  if (!CreatePipe(&out_read, &out_write, &inherit, 0)) return {};
  if (!CreatePipe(&err_read, &err_write, &inherit, 0)) return {};
  SetHandleInformation(out_read, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(err_read, HANDLE_FLAG_INHERIT, 0);
  HANDLE child_out = out_write;
  if (stdout_to == Stdout::kPipeWithoutReader) {
    CloseHandle(out_read);
    out_read = nullptr;
  } else if (stdout_to == Stdout::kDevFull) {
    child_out = OpenReadOnlyFile(&inherit);
    if (child_out == INVALID_HANDLE_VALUE) return {};
  }

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nullptr;
  startup.hStdOutput = child_out;
  startup.hStdError = err_write;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, TRUE,
                                      0, nullptr, nullptr, &startup, &process);
  // The child holds its own copies now: the pipes end when it does.
  CloseHandle(out_write);
  CloseHandle(err_write);
  if (child_out != out_write) CloseHandle(child_out);

  Outcome outcome;
  if (started) {
    std::thread err_reader([&] { outcome.err = ReadToEnd(err_read); });
    if (out_read) outcome.out = ReadToEnd(out_read);
    err_reader.join();
    DWORD code = 0;
    if (WaitForSingleObject(process.hProcess, kDeadlineMs) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process.hProcess, &code)) {
      outcome.status = static_cast<int>(code);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  } else {
    ADD_FAILURE() << "cannot start the program: error " << GetLastError();
  }
  if (out_read) CloseHandle(out_read);
  CloseHandle(err_read);
  return outcome;
}

Outcome RunCli(const std::vector<std::string>& args, Stdout stdout_to) {
  std::vector<std::wstring> wide;
  for (const std::string& arg : args) wide.push_back(CommandLineText(arg));
  return RunCliWide(wide, stdout_to);
}

}  // namespace macrange::test
