#include "platform/debug_log.h"

bool DebugMode = false;
std::vector<std::wstring> LogLines;

std::wstring FormatLogLine(const std::wstring& localDateTime, const std::wstring& message) {
  return localDateTime + L" : " + message;
}

std::wstring LogFileText(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (const auto& line : lines) text += line + L"\r\n";
  return text;
}
