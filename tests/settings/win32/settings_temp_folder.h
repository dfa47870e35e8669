#pragma once
// A fresh folder under the temporary folder, removed with its files at the end of a test.
#include <windows.h>

#include <string>

#include "platform/win32/win32_handles.h"

class TTempFolder {
 public:
  TTempFolder() {
    wchar_t base[MAX_PATH + 1] = L"";
    GetTempPathW(MAX_PATH + 1, base);
    for (unsigned n = GetTickCount() & 0xFFFF;; ++n) {
      FPath = std::wstring(base) + L"orvsettings" + std::to_wstring(n);
      if (CreateDirectoryW(FPath.c_str(), nullptr)) break;
    }
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  ~TTempFolder() {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((FPath + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring file = File(data.cFileName);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(file.c_str());
      } while (FindNextFileW(find, &data));
      FindClose(find);
    }
    RemoveDirectoryW(FPath.c_str());
  }
  const std::wstring& Path() const { return FPath; }
  std::wstring File(const std::wstring& name) const { return FPath + L"\\" + name; }

 private:
  std::wstring FPath;
};

// Holds a file open without sharing it, so that nobody else can open it meanwhile.
class TExclusiveFile {
 public:
  explicit TExclusiveFile(const std::wstring& fileName)
      : FHandle(CreateFileW(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  bool Held() const { return static_cast<bool>(FHandle); }

 private:
  TFileHandle FHandle;
};

// Writes bytes to a file, replacing it; reads them back.
inline bool WriteBytes(const std::wstring& fileName, const std::string& bytes) {
  HANDLE f = CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = bytes.empty() || WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  return ok;
}

inline std::string ReadBytes(const std::wstring& fileName) {
  HANDLE f = CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return "(missing)";
  std::string bytes;
  char buffer[1024];
  DWORD read = 0;
  while (ReadFile(f, buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(f);
  return bytes;
}
