#include "platform/win32/environment.h"

#include <windows.h>

std::wstring EnvironmentVariable(const wchar_t* name) {
  std::wstring value(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetEnvironmentVariableW(name, &value[0], static_cast<DWORD>(value.size()));
    if (length < value.size()) {
      value.resize(length);
      return value;
    }
    value.resize(length);  // the size it needs, with its terminating NUL
  }
}

bool EnvironmentVariableSet(const wchar_t* name) { return GetEnvironmentVariableW(name, nullptr, 0) != 0; }
