#include "app/view/open_dialog_options.h"

#include <algorithm>

namespace vx {

std::wstring DialogFilter(std::wstring_view filter) {
  std::wstring list(filter);
  std::replace(list.begin(), list.end(), L'|', L'\0');
  // A caller's trailing "|" already gives the first of the two NULs.
  while (!list.ends_with(std::wstring_view(L"\0\0", 2))) list.push_back(L'\0');
  return list;
}

}  // namespace vx
