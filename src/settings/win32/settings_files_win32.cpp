#include "settings/win32/settings_files_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/environment.h"
#include "platform/win32/registry_value.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win32_handles.h"
#include "settings/win32/settings_file_lock.h"

namespace {

// The whole content of an existing file; false when it exists but cannot be read.
bool ReadExisting(const std::wstring& fileName, std::string& content) {
  content.clear();
  const TFileHandle file(CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return GetLastError() == ERROR_FILE_NOT_FOUND;
  char buffer[4096];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr)) return false;
    if (read == 0) return true;
    content.append(buffer, read);
  }
}

// Where the shell keeps the current user's folders, each under its name, as the shell gives them:
// a folder moved elsewhere (by the user, or by policy) is written here.
constexpr wchar_t kUserShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// A user folder read where the shell reads it, its environment variables expanded, when that
// folder exists; empty otherwise (no value, an unusable one, or a folder that is not there), and
// the shell is asked instead.
std::wstring ExistingUserShellFolder(const wchar_t* name) {
  // REG_EXPAND_SZ values are expanded; a path longer than the shell's MAX_PATH is none.
  const std::optional<std::wstring> path =
      RegistryText(ReadRegistryValue(HKEY_CURRENT_USER, kUserShellFolders, name), true);
  if (!path || path->size() > MAX_PATH) return {};
  const DWORD attributes = GetFileAttributesW(path->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
  return *path;
}

}  // namespace

std::wstring GetSpecialFolderPath(int folderId) {
  if (folderId == SpecialFolderProgramFiles) {
    const std::wstring programFiles = EnvironmentVariable(L"ProgramFiles");
    if (!programFiles.empty()) return programFiles;
  }
  if (folderId == SpecialFolderDesktop) {
    const std::wstring desktop = ExistingUserShellFolder(L"Desktop");
    if (!desktop.empty()) return desktop;
  }
  const TModuleHandle shell32 = LoadSystemLibrary(L"shell32.dll");
  const auto getFolderPath = ModuleFunction<decltype(&SHGetFolderPathW)>(shell32, "SHGetFolderPathW");
  if (!getFolderPath) return {};
  wchar_t buffer[MAX_PATH + 1] = L"";
  if (getFolderPath(nullptr, folderId, nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK) return {};
  buffer[MAX_PATH] = L'\0';
  return buffer;
}

bool TWin32SettingsFileSystem::RewriteFile(const std::wstring& fileName) {
  // What is written back is what was read: another copy's write may not come in between.
  const TSettingsFileLock lock(fileName);
  const TMutexOwnership held = lock.Hold();
  std::string content;
  if (!ReadExisting(fileName, content)) return false;
  const TFileHandle file(CreateFileW(fileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  if (!content.empty() &&
      (!WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) ||
       written != content.size()))
    return false;
  return SetEndOfFile(file.Get()) != FALSE;
}
