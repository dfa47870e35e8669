#include "words/win32/user_words_files_win32.h"

#include <windows.h>

#include "platform/win32/environment.h"
#include "platform/win32/win32_handles.h"

namespace {

TFileHandle OpenFile(const std::wstring& name, DWORD access, DWORD creation) {
  return TFileHandle(
      CreateFileW(name.c_str(), access, FILE_SHARE_READ, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

std::string TWin32UserWordsFiles::ReadStart(const std::wstring& fileName, std::size_t maxBytes) {
  TFileHandle file = OpenFile(fileName, GENERIC_READ, OPEN_EXISTING);
  if (!file) return {};
  std::string text(maxBytes, '\0');
  DWORD read = 0;
  if (!ReadFile(file.Get(), text.data(), static_cast<DWORD>(maxBytes), &read, nullptr)) return {};
  text.resize(read);
  return text;
}

bool TWin32UserWordsFiles::Replace(const std::wstring& fileName, const std::string& content) {
  const auto slash = fileName.find_last_of(L"\\/");
  if (slash != std::wstring::npos) CreateDirectoryW(fileName.substr(0, slash).c_str(), nullptr);
  const std::wstring temporary = fileName + L".new";
  {
    TFileHandle file = OpenFile(temporary, GENERIC_WRITE, CREATE_ALWAYS);
    if (!file) return false;
    DWORD written = 0;
    if (!WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) ||
        written != content.size())
      return false;
  }
  return MoveFileExW(temporary.c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::wstring UserWordsFileNameHere(const std::wstring& iniFileName) {
  return UserWordsFileName(iniFileName, EnvironmentVariable(L"APPDATA"));
}
