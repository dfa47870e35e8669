#pragma once
// Named kernel objects of the system for the legend tables' fill lock: CreateMutexW, closed with
// CloseHandle, and the alertable SleepEx.
#include "keyboard/lang_chars_fill_lock.h"

class TWin32NamedObjects : public TNamedObjects {
 public:
  std::unique_ptr<TNamedObjectHandle> CreateNamedMutex(const std::wstring& name, bool& alreadyExisted) override;
  void Sleep(unsigned milliseconds) override;
};
