#include "app/app_folder.h"

#include <cwchar>

namespace app {

std::wstring FolderOfModulePath(const wchar_t* path, size_t capacity) {
  std::wstring text(path, wcsnlen(path, capacity));
  size_t slash = text.rfind(L'\\');
  return slash == std::wstring::npos ? std::wstring() : text.substr(0, slash + 1);
}

}  // namespace app
