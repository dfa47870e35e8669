// The debug log written beside the program (Log.txt) when the program runs with "DEBUG".
#include <windows.h>

#include "platform/debug_log.h"
#include "platform/text_helpers.h"
#include "platform/win32/program_file.h"
#include "platform/win32/win32_handles.h"

void Log(const std::wstring& message) {
  if (!DebugMode) return;
  SYSTEMTIME now{};
  GetLocalTime(&now);
  wchar_t date[128] = L"", time[128] = L"";
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128);
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, 128);
  LogLines.push_back(FormatLogLine(std::wstring(date) + L" " + time, message));

  // UTF-16 with a byte-order mark, so that any language's text survives. The log is only an
  // aid: where the file cannot be written (a copy in a folder without write rights) it is
  // skipped, and the lines kept in memory reach the file at the next write that succeeds.
  const std::wstring text = LogFileText(LogLines);
  const std::wstring path = PathCombine(ProgramFolder(), L"Log.txt");
  const TFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  const wchar_t bom = 0xFEFF;
  DWORD written = 0;
  if (WriteFile(file.Get(), &bom, sizeof(bom), &written, nullptr))
    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
}
