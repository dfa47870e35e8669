#include "keyboard/win32/named_objects_win32.h"

#include <windows.h>

#include "platform/win32/win32_handles.h"

namespace {

// Owns one kernel object handle and closes it when destroyed.
class TWin32NamedHandle : public TNamedObjectHandle {
 public:
  explicit TWin32NamedHandle(HANDLE handle) : FHandle(handle) {}

 private:
  TKernelHandle FHandle;
};

}  // namespace

std::unique_ptr<TNamedObjectHandle> TWin32NamedObjects::CreateNamedMutex(const std::wstring& name,
                                                                         bool& alreadyExisted) {
  ::SetLastError(ERROR_SUCCESS);
  const HANDLE handle = ::CreateMutexW(nullptr, FALSE, name.c_str());
  alreadyExisted = ::GetLastError() == ERROR_ALREADY_EXISTS;
  if (!handle) {
    alreadyExisted = false;
    return nullptr;
  }
  return std::make_unique<TWin32NamedHandle>(handle);
}

void TWin32NamedObjects::Sleep(unsigned milliseconds) { ::SleepEx(milliseconds, TRUE); }
