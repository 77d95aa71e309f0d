// WindowLineSink: the window's AddressLineSink.
#pragma once
