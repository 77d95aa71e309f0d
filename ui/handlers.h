// The program's three event handlers. Each takes no argument, returns nothing
// and runs on the window's thread, called from the window's event dispatch.
#pragma once

namespace macrange::ui {

// MainWindow and all its controls exist. Does nothing.
void OnMainWindowCreated();

// 按钮1 ("开始生成") was clicked: generates the address lines into 编辑框1.
void OnGenerateClicked();

// 按钮2 ("复制") was clicked: copies the text of 编辑框1 to the clipboard.
void OnCopyClicked();

}  // namespace macrange::ui
