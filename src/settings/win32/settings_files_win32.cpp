#include "settings/win32/settings_files_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/environment.h"
#include "platform/win32/registry_value.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win32_handles.h"

namespace {

// Where the shell keeps the current user's folders, each under its name, as the shell gives them:
// a folder moved elsewhere (by the user, or by policy) is written here.
constexpr wchar_t UserShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// A user folder read where the shell reads it, its environment variables expanded, when that
// folder exists; empty otherwise (no value, an unusable one, or a folder that is not there), and
// the shell is asked instead.
std::wstring ExistingUserShellFolder(const wchar_t* name) {
  // REG_EXPAND_SZ values are expanded; a path longer than the shell's MAX_PATH is none.
  const std::optional<std::wstring> path =
      RegistryText(ReadRegistryValue(HKEY_CURRENT_USER, UserShellFolders, name), true);
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

bool TWin32SettingsFileSystem::WriteTestFile(const std::wstring& fileName) {
  // Opening for writing is the test: no byte is written, so an existing file (and another copy's
  // write to it) stays as it is.
  const TFileHandle file(CreateFileW(fileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  return static_cast<bool>(file);
}
