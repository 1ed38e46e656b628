// The Print command.
#include "app/print/form7_win.h"
#include "app/view/form1_win.h"

namespace vx {

void Form1::OnPrint() {
  Form7 print(*this);
  print.FileName = FileName;
  print.ShowModal(hwnd());
  KeysToPage();
}

std::wstring Form1::PrintHeaderName() const { return ShortFileName(); }

}  // namespace vx
