#include "keyboard/lang_chars_fill_lock.h"

const wchar_t* const FillPrintCharsMutexName = L"FillPrintCharsMutex";

TFillLock::TFillLock(TNamedObjects& objects) {
  for (int attempt = 0; attempt < FillLockAttempts; ++attempt) {
    bool alreadyExisted = false;
    std::unique_ptr<TNamedObjectHandle> handle = objects.CreateNamedMutex(FillPrintCharsMutexName, alreadyExisted);
    if (handle && !alreadyExisted) {
      FHandle = std::move(handle);
      return;
    }
    handle.reset();  // an opened handle to another process's object is closed before waiting
    objects.Sleep(FillLockRetryMs);
  }
}
