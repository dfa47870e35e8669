#include "platform/win32/win32_handles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records every handle it is asked to close.
struct TRecordingCloser {
  std::vector<HANDLE>* Closed = nullptr;
  void operator()(HANDLE handle) const { Closed->push_back(handle); }
};
using TNullOwner = TUniqueHandle<HANDLE, TRecordingCloser>;
using TFileOwner = TUniqueHandle<HANDLE, TRecordingCloser, TInvalidValueHandlePolicy>;

const HANDLE SomeHandle = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x1234));

struct TPolicyCase {
  const char* Name;
  bool FilePolicy;
  HANDLE Handle;
  bool Valid;
};

const TPolicyCase PolicyCases[] = {
    {"null, null policy", false, nullptr, false},
    {"a handle, null policy", false, SomeHandle, true},
    // -1 is a real handle to the null policy: GetCurrentProcess() returns it.
    {"-1, null policy", false, INVALID_HANDLE_VALUE, true},
    {"INVALID_HANDLE_VALUE, file policy", true, INVALID_HANDLE_VALUE, false},
    {"null, file policy", true, nullptr, false},
    {"a handle, file policy", true, SomeHandle, true},
};

template <typename TOwner>
void ExpectValidAndClosedOnce(const TPolicyCase& c) {
  std::vector<HANDLE> closed;
  {
    const TOwner owner(c.Handle, TRecordingCloser{&closed});
    EXPECT_EQ(static_cast<bool>(owner), c.Valid) << c.Name;
    EXPECT_EQ(owner.Get(), c.Handle) << c.Name;
  }
  const std::vector<HANDLE> expected = c.Valid ? std::vector<HANDLE>{c.Handle} : std::vector<HANDLE>{};
  EXPECT_EQ(closed, expected) << c.Name;
}

TEST(UniqueHandle, EachPolicyClosesItsValidHandlesOnceAndNeverItsEmptyValue) {
  for (const TPolicyCase& c : PolicyCases) {
    if (c.FilePolicy)
      ExpectValidAndClosedOnce<TFileOwner>(c);
    else
      ExpectValidAndClosedOnce<TNullOwner>(c);
  }
}

TEST(UniqueHandle, AnEmptyOwnerHoldsItsPolicysEmptyValue) {
  EXPECT_EQ(TNullOwner().Get(), nullptr);
  EXPECT_EQ(TFileOwner().Get(), INVALID_HANDLE_VALUE);
  EXPECT_EQ(TFileHandle().Get(), INVALID_HANDLE_VALUE);
  EXPECT_EQ(TFindHandle().Get(), INVALID_HANDLE_VALUE);
}

template <typename TOwner>
void ExpectReleaseAndMoveKeepOneOwner(HANDLE empty) {
  std::vector<HANDLE> closed;
  {
    TOwner owner(SomeHandle, TRecordingCloser{&closed});
    EXPECT_EQ(owner.Release(), SomeHandle);
    EXPECT_FALSE(owner);
    EXPECT_EQ(owner.Get(), empty);
  }
  EXPECT_TRUE(closed.empty()) << "a released handle is the caller's";

  {
    TOwner first(SomeHandle, TRecordingCloser{&closed});
    TOwner second(std::move(first));
    EXPECT_EQ(first.Get(), empty);
    TOwner third;
    third = std::move(second);
    EXPECT_EQ(second.Get(), empty);
    EXPECT_EQ(third.Get(), SomeHandle);
  }
  EXPECT_EQ(closed, std::vector<HANDLE>{SomeHandle});
}

TEST(UniqueHandle, ReleaseAndMoveLeaveTheOwnerEmptyByItsPolicy) {
  ExpectReleaseAndMoveKeepOneOwner<TNullOwner>(nullptr);
  ExpectReleaseAndMoveKeepOneOwner<TFileOwner>(INVALID_HANDLE_VALUE);
}

TEST(UniqueHandle, MoveAssignmentClosesTheHandleItReplaces) {
  std::vector<HANDLE> closed;
  const HANDLE other = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x5678));
  TFileOwner owner(SomeHandle, TRecordingCloser{&closed});
  owner = TFileOwner(other, TRecordingCloser{&closed});
  EXPECT_EQ(closed, std::vector<HANDLE>{SomeHandle});
  owner.Reset();
  EXPECT_EQ(closed, (std::vector<HANDLE>{SomeHandle, other}));
}

TEST(UniqueHandle, AFileThatCannotBeOpenedIsNoHandle) {
  const TFileHandle file(CreateFileW(L"C:\\no such folder\\no such file.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_FALSE(file);
  WIN32_FIND_DATAW data{};
  const TFindHandle search(FindFirstFileW(L"C:\\no such folder\\*", &data));
  EXPECT_FALSE(search);
}

TEST(UniqueHandle, AReleasedHandleStaysOpen) {
  TKernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  ASSERT_TRUE(event);
  const HANDLE released = event.Release();
  EXPECT_FALSE(event);
  EXPECT_TRUE(SetEvent(released));
  EXPECT_TRUE(CloseHandle(released));
}

TEST(SelectedObject, PutsTheContextsFirstObjectBackHoweverManyWereSelected) {
  const TMemoryDc dc(CreateCompatibleDC(nullptr));
  ASSERT_TRUE(dc);
  const HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_PEN);
  const TPenHandle red(CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
  const TPenHandle blue(CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
  {
    TSelectedObject selected(dc.Get(), red.Get());
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), red.Get());
    selected.Select(dc.Get(), blue.Get());
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), blue.Get());
  }
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), original);

  TSelectedObject selected(dc.Get(), red.Get());
  selected.Restore();
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), original);
  selected.Select(dc.Get(), blue.Get());
  selected.Restore();
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), original) << "after a Restore, the next Select remembers again";
}

TEST(PaintDc, ValidatesTheWindowWhenItsScopeEnds) {
  const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  InvalidateRect(window, nullptr, FALSE);
  ASSERT_TRUE(GetUpdateRect(window, nullptr, FALSE));
  {
    const TPaintDc paint(window);
    EXPECT_NE(paint.Get(), nullptr);
  }
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
  DestroyWindow(window);
}

}  // namespace
