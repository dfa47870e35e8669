#pragma once
// Serialises the computation of a legend table between running copies of the program. The signal
// is the mere existence of the named kernel object "FillPrintCharsMutex": the object is never
// waited on or owned. A process that creates the name (rather than opening an existing one) holds
// it until it closes its handle; the object disappears with the last handle. Any process using
// the same name takes part.
#include <memory>
#include <string>

// A handle to a named kernel object; destroying it closes the handle.
class TNamedObjectHandle {
 public:
  virtual ~TNamedObjectHandle() = default;
};

// The kernel objects the fill lock needs. One Win32 adapter; tests use a fake.
class TNamedObjects {
 public:
  virtual ~TNamedObjects() = default;
  // Creates a mutex of this name, not initially owned, or opens the existing one; alreadyExisted
  // tells which. None when neither worked.
  virtual std::unique_ptr<TNamedObjectHandle> CreateNamedMutex(const std::wstring& name, bool& alreadyExisted) = 0;
  // Waits this many milliseconds (alertable).
  virtual void Sleep(unsigned milliseconds) = 0;
};

// The name whose existence means that some process is filling a legend table.
extern const wchar_t* const FillPrintCharsMutexName;
// How often the lock tries to create the name, and how long it waits after a failed try.
constexpr int FillLockAttempts = 25;
constexpr unsigned FillLockRetryMs = 20;

// Holds the fill name from construction to destruction, if it could be had. Construction tries up
// to FillLockAttempts times to be the creator of the name, waiting FillLockRetryMs after each
// failed try (about half a second in all); when every try failed the fill goes ahead without it.
class TFillLock {
 public:
  explicit TFillLock(TNamedObjects& objects);
  TFillLock(const TFillLock&) = delete;
  TFillLock& operator=(const TFillLock&) = delete;

  // Whether this process created the name and holds it now.
  bool Held() const { return FHandle != nullptr; }
  // Closes the handle, if one is held (also done by the destructor).
  void Release() { FHandle.reset(); }

 private:
  std::unique_ptr<TNamedObjectHandle> FHandle;
};
