#include "keyboard/win32/named_objects_win32.h"

#include <windows.h>

namespace {

// Owns one kernel object handle and closes it when destroyed.
class TWin32NamedHandle : public TNamedObjectHandle {
 public:
  explicit TWin32NamedHandle(HANDLE handle) : FHandle(handle) {}
  ~TWin32NamedHandle() override { ::CloseHandle(FHandle); }
  TWin32NamedHandle(const TWin32NamedHandle&) = delete;
  TWin32NamedHandle& operator=(const TWin32NamedHandle&) = delete;

 private:
  HANDLE FHandle;
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
