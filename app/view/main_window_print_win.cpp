// The Print command.
#include "app/print/print_window_win.h"
#include "app/view/main_window_win.h"

namespace vx {

void MainWindow::OnPrint() {
  PrintWindow print(*this, FileName);
  print.ShowModal(hwnd());
  KeysToPage();
}

std::wstring MainWindow::PrintHeaderName() const { return ShortFileName(); }

}  // namespace vx
