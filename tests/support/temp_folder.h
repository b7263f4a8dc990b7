// Scoped test surroundings: a fresh current directory that is removed afterwards, and an
// environment variable set for one test.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Creates an empty folder under the temporary folder and makes it the current directory;
// the old current directory comes back and the folder goes, with everything in it.
class ScopedTempFolder {
 public:
  ScopedTempFolder() {
    wchar_t old[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, old);
    previous_ = old;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    for (unsigned n = GetTickCount();; ++n) {
      path_ = std::wstring(temp) + L"kestavo-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(n);
      if (CreateDirectoryW(path_.c_str(), nullptr)) break;
    }
    SetCurrentDirectoryW(path_.c_str());
  }
  ScopedTempFolder(const ScopedTempFolder&) = delete;
  ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;
  ~ScopedTempFolder() {
    SetCurrentDirectoryW(previous_.c_str());
    Remove(path_);
  }
  const std::wstring& Path() const { return path_; }

 private:
  static void Remove(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring full = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          Remove(full);
        else
          DeleteFileW(full.c_str());
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
  }
  std::wstring previous_;
  std::wstring path_;
};

class ScopedEnvironment {
 public:
  ScopedEnvironment(const wchar_t* name, const wchar_t* value) : name_(name) {
    wchar_t old[4096];
    DWORD length = GetEnvironmentVariableW(name, old, 4096);
    if (length > 0 && length < 4096) previous_ = std::wstring(old, length);
    SetEnvironmentVariableW(name, value);
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() { SetEnvironmentVariableW(name_.c_str(), previous_ ? previous_->c_str() : nullptr); }

 private:
  std::wstring name_;
  std::optional<std::wstring> previous_;
};

// The whole file as bytes; nullopt when it cannot be opened.
inline std::optional<std::string> ReadBytes(const wchar_t* name) {
  HANDLE file = CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  std::vector<char> chunk(1 << 20);
  DWORD got = 0;
  while (ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr) && got > 0) bytes.append(chunk.data(), got);
  CloseHandle(file);
  return bytes;
}

inline bool WriteBytes(const wchar_t* name, const std::string& bytes) {
  HANDLE file = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  CloseHandle(file);
  return ok;
}
