// Until the document's range edits arrive.
#include "app/view/main_window_win.h"

namespace vx {
void MainWindow::OnCut() {}
void MainWindow::OnDeleteSelection() {}
void MainWindow::OnPaste() {}
void MainWindow::OnPasteOver() {}
void MainWindow::FillSelection(uint8_t) {}
}  // namespace vx
