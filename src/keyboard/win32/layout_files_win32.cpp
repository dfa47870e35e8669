#include "keyboard/win32/layout_files_win32.h"

#include <windows.h>

#include "platform/text_helpers.h"
#include "platform/win32/win32_handles.h"

std::optional<std::vector<TLayoutFileEntry>> TWin32LayoutFileSystem::ListLayoutFiles(const std::wstring& folder) {
  WIN32_FIND_DATAW data{};
  const std::wstring pattern = PathCombine(folder, std::wstring(L"*") + LayoutFileExtension);
  const TFindHandle search(FindFirstFileW(pattern.c_str(), &data));
  if (!search) {
    // A folder without layout files is no missing folder.
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::vector<TLayoutFileEntry>{};
    return std::nullopt;
  }
  std::vector<TLayoutFileEntry> entries;
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const std::uint64_t size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entries.push_back(TLayoutFileEntry{data.cFileName, size});
  } while (FindNextFileW(search.Get(), &data));
  return entries;
}

std::optional<std::string> TWin32LayoutFileSystem::ReadFileBytes(const std::wstring& path) {
  const TFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[16384];
  while (bytes.size() <= LayoutFileMaxBytes) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    bytes.append(buffer, read);
  }
  return bytes;
}
