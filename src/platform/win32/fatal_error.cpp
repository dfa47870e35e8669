#include "platform/win32/fatal_error.h"

#include <cstdlib>
#include <string>
#include <utility>

#include "platform/user_error.h"

namespace {
// The release installed for the crash handlers; they can reach nothing else.
std::function<void()>& FatalRelease() {
  static std::function<void()> release;
  return release;
}

void ReleaseKeysOnce() {
  static bool releasing = false;  // a crash inside the release itself must not loop
  if (releasing || !FatalRelease()) return;
  releasing = true;
  FatalRelease()();
  releasing = false;
}
}  // namespace

std::wstring ErrorText(const std::exception& error) {
  if (const auto* userError = dynamic_cast<const TUserError*>(&error)) return userError->Message();
  const char* what = error.what();
  return std::wstring(what, what + std::char_traits<char>::length(what));
}

void ShowErrorBox(HWND owner, const std::exception& error) {
  MessageBoxW(owner, ErrorText(error).c_str(), L"Orvilla", MB_OK | MB_ICONERROR);
}

LONG WINAPI FatalErrorFilter(EXCEPTION_POINTERS*) {
  ReleaseKeysOnce();
  return EXCEPTION_CONTINUE_SEARCH;
}

void InstallFatalErrorHandler(std::function<void()> releaseKeys) {
  FatalRelease() = std::move(releaseKeys);
  SetUnhandledExceptionFilter(&FatalErrorFilter);
  std::set_terminate([] {
    ReleaseKeysOnce();
    std::abort();
  });
}
