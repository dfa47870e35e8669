// The fill lock between two running processes: this test program starts a second copy of itself
// that holds the name "FillPrintCharsMutex" until it is told to let go.
#include "keyboard/win32/named_objects_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "keyboard/lang_chars_fill_lock.h"
#include "platform/win32/win32_handles.h"

namespace {

// Set in the second process: the suffix of the names of the two events shared with the first.
const wchar_t* const ChildVariable = L"ORVILLA_FILL_LOCK_CHILD";
const wchar_t* const ChildTest = L"FillLockSecondProcess.HoldsTheNameUntilTold";
constexpr DWORD Patience = 30000;  // ms; only a hung process waits this long

std::wstring HeldEventName(const std::wstring& suffix) { return L"OrvillaFillLockHeld." + suffix; }
std::wstring ReleaseEventName(const std::wstring& suffix) { return L"OrvillaFillLockRelease." + suffix; }

// The system's named objects, counting creates and waits, with a hook after each wait.
class TCountingNamedObjects : public TNamedObjects {
 public:
  int Creates = 0;
  int Sleeps = 0;
  std::function<void(int)> AfterSleep;

  std::unique_ptr<TNamedObjectHandle> CreateNamedMutex(const std::wstring& name, bool& alreadyExisted) override {
    ++Creates;
    return FSystem.CreateNamedMutex(name, alreadyExisted);
  }
  void Sleep(unsigned milliseconds) override {
    ++Sleeps;
    FSystem.Sleep(milliseconds);
    if (AfterSleep) AfterSleep(Sleeps);
  }

 private:
  TWin32NamedObjects FSystem;
};

// Whether the fill name exists now (another handle to it is open somewhere).
bool FillNameExists() {
  TWin32NamedObjects objects;
  bool existed = false;
  const auto probe = objects.CreateNamedMutex(FillPrintCharsMutexName, existed);
  return probe && existed;
}

// A second copy of this program that takes the fill lock, reports it and keeps it until the
// release event is set.
class TSecondProcess {
 public:
  TSecondProcess() {
    const std::wstring suffix = std::to_wstring(GetCurrentProcessId());
    FHeld = std::make_unique<TKernelHandle>(CreateEventW(nullptr, TRUE, FALSE, HeldEventName(suffix).c_str()));
    FRelease = std::make_unique<TKernelHandle>(CreateEventW(nullptr, TRUE, FALSE, ReleaseEventName(suffix).c_str()));

    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(exe) + L"\" --gtest_filter=" + ChildTest;
    SetEnvironmentVariableW(ChildVariable, suffix.c_str());
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;  // the second process's own test report is not shown
    PROCESS_INFORMATION pi{};
    const BOOL started = CreateProcessW(exe, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableW(ChildVariable, nullptr);
    if (started) {
      CloseHandle(pi.hThread);
      FProcess = std::make_unique<TKernelHandle>(pi.hProcess);
    }
  }
  ~TSecondProcess() {
    LetGo();
    if (FProcess) WaitForSingleObject(FProcess->Get(), Patience);
  }

  bool Started() const { return FProcess != nullptr; }
  // Waits until the second process holds the name.
  bool WaitHeld() {
    const HANDLE both[2] = {FHeld->Get(), FProcess->Get()};
    return WaitForMultipleObjects(2, both, FALSE, Patience) == WAIT_OBJECT_0;
  }
  // Tells it to close its handle and waits until it has ended.
  void LetGo() {
    SetEvent(FRelease->Get());
    if (FProcess) WaitForSingleObject(FProcess->Get(), Patience);
  }
  DWORD ExitCode() const {
    DWORD code = 1;
    GetExitCodeProcess(FProcess->Get(), &code);
    return code;
  }

 private:
  std::unique_ptr<TKernelHandle> FHeld, FRelease, FProcess;
};

// Runs only as the second process of the tests below.
TEST(FillLockSecondProcess, HoldsTheNameUntilTold) {
  wchar_t suffix[64] = {};
  if (GetEnvironmentVariableW(ChildVariable, suffix, 64) == 0)
    GTEST_SKIP() << "runs only as the second process of the fill lock tests";
  TKernelHandle held(OpenEventW(EVENT_MODIFY_STATE, FALSE, HeldEventName(suffix).c_str()));
  TKernelHandle release(OpenEventW(SYNCHRONIZE, FALSE, ReleaseEventName(suffix).c_str()));
  ASSERT_NE(held.Get(), nullptr);
  ASSERT_NE(release.Get(), nullptr);

  TWin32NamedObjects objects;
  TFillLock lock(objects);
  ASSERT_TRUE(lock.Held());
  SetEvent(held.Get());
  ASSERT_EQ(WaitForSingleObject(release.Get(), Patience), WAIT_OBJECT_0);
}

TEST(FillLockWin32, HoldsTheNameUntilReleased) {
  ASSERT_FALSE(FillNameExists());
  {
    TWin32NamedObjects objects;
    TFillLock lock(objects);
    ASSERT_TRUE(lock.Held());
    EXPECT_TRUE(FillNameExists());
  }
  EXPECT_FALSE(FillNameExists());
}

TEST(FillLockWin32, WaitsWhileAnotherProcessFillsAndTakesTheNameAfterIt) {
  ASSERT_FALSE(FillNameExists());
  TSecondProcess second;
  ASSERT_TRUE(second.Started());
  ASSERT_TRUE(second.WaitHeld());

  TCountingNamedObjects objects;
  objects.AfterSleep = [&](int sleeps) {
    if (sleeps == 3) second.LetGo();  // the other process finishes its fill
  };
  TFillLock lock(objects);
  EXPECT_TRUE(lock.Held());
  EXPECT_EQ(objects.Creates, 4);
  EXPECT_EQ(objects.Sleeps, 3);
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(FillNameExists());
  lock.Release();
  EXPECT_FALSE(FillNameExists());
}

TEST(FillLockWin32, FillsWithoutTheNameWhenAnotherProcessKeepsItTooLong) {
  ASSERT_FALSE(FillNameExists());
  TSecondProcess second;
  ASSERT_TRUE(second.Started());
  ASSERT_TRUE(second.WaitHeld());

  TCountingNamedObjects objects;
  const DWORD start = GetTickCount();
  {
    TFillLock lock(objects);
    EXPECT_FALSE(lock.Held());
  }
  const DWORD waited = GetTickCount() - start;
  EXPECT_EQ(objects.Creates, 25);
  EXPECT_EQ(objects.Sleeps, 25);
  EXPECT_TRUE(FillNameExists());  // still the other process's
  second.LetGo();
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_FALSE(FillNameExists());
  std::printf("gave up on the fill name after %lu ms\n", static_cast<unsigned long>(waited));
}

}  // namespace
