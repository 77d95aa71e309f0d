// The captions of MainWindow's labels and buttons, as code page 936 bytes.
#pragma once

#include <string_view>

namespace macrange::ui {

inline constexpr std::string_view kStartLabelCaption = "\xBF\xAA\xCA\xBC";  // 开始
inline constexpr std::string_view kEndLabelCaption = "\xBD\xE1\xCA\xF8";    // 结束
inline constexpr std::string_view kGenerateButtonCaption =
    "\xBF\xAA\xCA\xBC\xC9\xFA\xB3\xC9";                                     // 开始生成
inline constexpr std::string_view kCopyButtonCaption = "\xB8\xB4\xD6\xC6";  // 复制

}  // namespace macrange::ui
