// Word prediction's Windows parts: the Unicode records that type the rest of a word and what they
// type into an edit control, the password check of the focused control, and the word lists in the
// program's resources, UI Automation's password answer.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "input/win32/foreground_window.h"
#include "shipped_program.h"
#include "words/win32/focused_control.h"
#include "words/win32/uia_password_probe.h"
#include "words/win32/unicode_typing.h"
#include "words/win32/word_list_resources.h"
#include "words/word_lists.h"

namespace {

// A top-level window holding one edit control that has the focus.
class TEditWindow {
 public:
  explicit TEditWindow(DWORD editStyle) {
    FFrame = CreateWindowExW(0, L"STATIC", L"Word target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 120, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    FEdit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | editStyle, 10, 10, 360, 30,
                            FFrame, nullptr, GetModuleHandleW(nullptr), nullptr);
    ForceForegroundWindow(FFrame, true);
    SetFocus(FEdit);
    Pump();
  }
  ~TEditWindow() { DestroyWindow(FFrame); }
  void Pump() {
    for (int i = 0; i < 20; ++i) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      Sleep(10);
    }
  }
  std::wstring Text() const {
    wchar_t text[256] = {};
    GetWindowTextW(FEdit, text, 256);
    return text;
  }
  HWND Edit() const { return FEdit; }
  bool Focused() const { return GetForegroundWindow() == FFrame && GetFocus() == FEdit; }

 private:
  HWND FFrame = nullptr;
  HWND FEdit = nullptr;
};

}  // namespace

TEST(UnicodeTyping, EachCharacterIsAKeyDownAndAKeyUpOfThatCharacter) {
  const std::vector<INPUT> inputs = MakeUnicodeInputs(u"a\x20AC");
  ASSERT_EQ(inputs.size(), 4u);
  const WORD chars[] = {u'a', u'a', 0x20AC, 0x20AC};
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    EXPECT_EQ(inputs[i].type, static_cast<DWORD>(INPUT_KEYBOARD));
    EXPECT_EQ(inputs[i].ki.wVk, 0);
    EXPECT_EQ(inputs[i].ki.wScan, chars[i]);
    EXPECT_EQ(inputs[i].ki.dwFlags, static_cast<DWORD>(KEYEVENTF_UNICODE | (i % 2 ? KEYEVENTF_KEYUP : 0)));
  }
}

TEST(UnicodeTyping, TheRestOfAWordArrivesAsItIsInTheFocusedEdit) {
  TEditWindow target(0);
  ASSERT_TRUE(target.Focused());
  TUnicodeTextInjector injector;
  injector.TypeText(
      u"gr\x00FC\x00DF"
      u"e \x20AC ");  // characters the US layout has no key for
  target.Pump();
  EXPECT_EQ(target.Text(),
            L"gr\x00FC\x00DF"
            L"e \x20AC ");
}

TEST(FocusedControl, AnEditWithThePasswordStyleIsAPasswordField) {
  for (const bool password : {false, true}) {
    TEditWindow target(password ? ES_PASSWORD : 0);
    ASSERT_TRUE(target.Focused());
    const TFocusedControl control = ReadFocusedControl();
    EXPECT_EQ(control.Focus, target.Edit());
    EXPECT_EQ(control.Password, password);
  }
}

TEST(WordListResources, TheProgramCarriesEveryListDecodable) {
  HMODULE program =
      LoadLibraryExW(ORVILLA_SHIPPED_PROGRAM, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(program, nullptr);
  {
    TResourceWordLists resources(program);
    TWordLists lists(resources);
    for (std::size_t i = 0; i < WordListCatalogSize; ++i)
      EXPECT_NE(lists.Get(WordListCatalog[i].PrimaryLanguage), nullptr) << WordListCatalog[i].Name;
  }
  FreeLibrary(program);
}

// Where UI Automation is there (Windows), it tells the password edit from the plain one. Where its
// object cannot be made (Wine 8 registers no CUIAutomation class) both answers are Unavailable, and
// a word typed there may be learned: the edit-style rule alone decides, as without the probe.
TEST(UiaPasswordProbe, APasswordEditIsAPasswordToUiAutomationAndAPlainOneIsNot) {
  using TAnswer = TUiaPasswordProbe::TAnswer;
  std::vector<TAnswer> answers;
  for (const bool password : {false, true}) {
    TEditWindow target(password ? ES_PASSWORD : 0);
    ASSERT_TRUE(target.Focused());
    TUiaPasswordProbe probe;
    EXPECT_FALSE(probe.Started());  // nothing made before the first word or question
    // The edit lives in this process: its thread keeps answering while the probe asks.
    auto answer = std::async(std::launch::async, [&] { return probe.FocusedElement(); });
    while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) target.Pump();
    answers.push_back(answer.get());
    EXPECT_TRUE(probe.Started());
  }
  if (answers[0] == TAnswer::Unavailable) {
    EXPECT_EQ(answers[1], TAnswer::Unavailable);
    TUiaPasswordProbe probe;
    EXPECT_FALSE(probe.FocusMayBePassword());
  } else {
    EXPECT_EQ(answers[0], TAnswer::NoPassword);
    EXPECT_EQ(answers[1], TAnswer::Password);
  }
}

// Prepare makes the thread in the background and returns at once; the question after it is answered.
TEST(UiaPasswordProbe, PrepareStartsTheProbeWithoutWaiting) {
  TEditWindow target(0);
  ASSERT_TRUE(target.Focused());
  TUiaPasswordProbe probe;
  probe.Prepare();
  EXPECT_TRUE(probe.Started());
  probe.Prepare();  // once is enough
  auto answer = std::async(std::launch::async, [&] { return probe.FocusedElement(); });
  while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) target.Pump();
  EXPECT_NE(answer.get(), TUiaPasswordProbe::TAnswer::Password);
}
