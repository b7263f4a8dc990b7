// The program's folder from the path the system reports for the program file.
#pragma once

#include <cstddef>
#include <string>

namespace app {

// `path` is a buffer of `capacity` units as GetModuleFileNameW fills it: the text runs to the
// first NUL, or fills the whole buffer when the path was cut. The folder is everything up to
// and including the last backslash; empty when there is none.
std::wstring FolderOfModulePath(const wchar_t* path, size_t capacity);

}  // namespace app
