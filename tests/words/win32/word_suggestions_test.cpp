// Word suggestions in the keyboard window: the menu command makes the row at the top of the
// window's client area and takes it away, the keys keep their size and their place on the screen
// (over a restart too), the row is drawn in the colour scheme's key colours; a press on a
// suggestion types exactly the rest of the word and a space into the focused edit control.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/win32/main_form.h"
#include "input/win32/foreground_window.h"
#include "platform/win32/program_file.h"
#include "platform/win32/startup_environment.h"
#include "platform/win32/win32_handles.h"
#include "render/theme.h"
#include "render/win32/font_enum.h"
#include "settings/win32/app_ini_module.h"

namespace {

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

// The colour at (x, y) of the row as it paints itself.
COLORREF RowPixel(HWND bar, int x, int y) {
  RECT client{};
  GetClientRect(bar, &client);
  const TWindowDc screen = GetScreenDc();
  const TMemoryDc dc(CreateCompatibleDC(screen.Get()));
  const TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
  const TSelectedObject selected(dc.Get(), bitmap.Get());
  SendMessageW(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
  return GetPixel(dc.Get(), x, y);
}

// The keys' part of the keyboard window on the screen: its client area below the row, if any.
RECT KeysOnScreen(TMainForm& form) {
  POINT origin{0, 0};
  ClientToScreen(form.Handle(), &origin);
  if (form.Words()) {
    RECT row{};
    GetWindowRect(form.Words()->Bar().Handle(), &row);
    origin.y = row.bottom;
  }
  return {origin.x, origin.y, origin.x + form.Keyboard().Width(), origin.y + form.Keyboard().Height()};
}

// The colours of a rectangle of the screen, row by row.
std::vector<COLORREF> ScreenPixels(const RECT& r) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  const TWindowDc screen = GetScreenDc();
  const TMemoryDc dc(CreateCompatibleDC(screen.Get()));
  const TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
  const TSelectedObject selected(dc.Get(), bitmap.Get());
  BitBlt(dc.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc.Get(), x, y));
  return pixels;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class WordSuggestionsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    InitStartupEnvironment();
    DetectFonts();
    FIni = ProgramFolder() + L"\\Orvilla.ini";
    FWords = ProgramFolder() + L"\\Orvilla-words.txt";
    DeleteFileW(FIni.c_str());
    DeleteFileW(FWords.c_str());
    WritePrivateProfileStringW(L"Main", L"Site", L"1", FIni.c_str());
    FModule = std::make_unique<TAppIniModule>(std::vector<std::wstring>{});
    Start();
  }
  // A start of the keyboard window with the settings stored (the earlier one's gone first, and
  // saved as it goes).
  void Start() {
    FForm.reset();
    FForm = std::make_unique<TMainForm>(nullptr, *AppIni);
    FForm->Show();
    Pump();
  }
  RECT Window() const {
    RECT r{};
    GetWindowRect(FForm->Handle(), &r);
    return r;
  }
  void TearDown() override {
    FForm.reset();
    FModule.reset();
    DeleteFileW(FIni.c_str());
    DeleteFileW(FWords.c_str());
  }
  void Command(UINT id) { SendMessageW(FForm->Handle(), WM_SYSCOMMAND, id, 0); }
  // A target window whose edit control has the focus (gone with the test).
  HWND FocusTargetEdit() {
    FTarget.Reset(CreateWindowExW(0, L"STATIC", L"Target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
    const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 5, 5, 380, 30,
                                      FTarget.Get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ForceForegroundWindow(FTarget.Get(), true);
    SetFocus(edit);
    Pump();
    return edit;
  }
  // Suggestions switched on, in English, after the keys t and h.
  TWordSuggestions* SuggestionsAfterTh() {
    Command(1037);
    TWordSuggestions* words = FForm->Words();
    if (!words) return nullptr;
    words->SetLanguage(0x0409);
    words->KeyDown('T', L"t", false);
    words->KeyDown('H', L"h", false);
    return words;
  }

  std::wstring FIni, FWords;
  std::unique_ptr<TAppIniModule> FModule;
  std::unique_ptr<TMainForm> FForm;
  struct TWindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
  };
  TUniqueHandle<HWND, TWindowDestroyer> FTarget;
};

}  // namespace

TEST_F(WordSuggestionsWindow, TheRowComesInsideTheWindowAboveTheKeysWhichStayAsTheyWereOnTheScreen) {
  ASSERT_EQ(FForm->Words(), nullptr);  // nothing made while the setting is off
  const RECT window = Window();
  const RECT keys = KeysOnScreen(*FForm);
  const std::vector<COLORREF> keysPicture = ScreenPixels(keys);
  Command(1037);
  Pump();
  ASSERT_NE(FForm->Words(), nullptr);
  EXPECT_EQ(GetPrivateProfileIntW(L"Main", L"WordSuggestions", -1, FIni.c_str()), 1);
  // The row: a child of the keyboard window along the top of its client area.
  const HWND bar = FForm->Words()->Bar().Handle();
  ASSERT_TRUE(IsWindowVisible(bar));
  EXPECT_EQ(GetParent(bar), FForm->Handle());
  RECT client{}, row{};
  GetClientRect(FForm->Handle(), &client);
  GetWindowRect(bar, &row);
  MapWindowPoints(HWND_DESKTOP, FForm->Handle(), reinterpret_cast<POINT*>(&row), 2);
  EXPECT_TRUE(SameRect(row, RECT{0, 0, client.right, row.bottom}));
  EXPECT_GE(row.bottom, 24);
  // The window grew upward by the row; the keys are the same picture in the same place.
  EXPECT_TRUE(SameRect(Window(), RECT{window.left, window.top - row.bottom, window.right, window.bottom}));
  EXPECT_TRUE(SameRect(KeysOnScreen(*FForm), keys));
  EXPECT_EQ(ScreenPixels(keys), keysPicture);

  const auto& slots = FForm->Words()->Bar().Slots();
  ASSERT_GE(slots.size(), 3u);
  ASSERT_LE(slots.size(), 5u);
  const int shownScheme = FForm->SettingValue(TSettingId::ColorScheme);
  for (int scheme : {1, 3, 5, 8}) {
    SCOPED_TRACE(scheme);
    FForm->ApplySetting(TSettingId::ColorScheme, scheme);
    // Before the first letter the row shows the language's most frequent words, on key faces.
    EXPECT_EQ(RowPixel(bar, slots[0].Left + 3, slots[0].Top + 3), Theme.KeyFace);
    EXPECT_EQ(RowPixel(bar, slots[0].Left, slots[0].Top), Theme.KeyBorder);
  }
  FForm->ApplySetting(TSettingId::ColorScheme, shownScheme);
  Pump();
  Command(1037);
  Pump();
  EXPECT_EQ(FForm->Words(), nullptr);
  EXPECT_FALSE(IsWindow(bar));
  // Off again: the window and the keys as they were.
  EXPECT_TRUE(SameRect(Window(), window));
  EXPECT_TRUE(SameRect(KeysOnScreen(*FForm), keys));
  EXPECT_EQ(ScreenPixels(keys), keysPicture);
}

TEST_F(WordSuggestionsWindow, ARestartWithSuggestionsOnOrOffPutsTheKeysWhereTheyWere) {
  SetWindowPos(FForm->Handle(), nullptr, 120, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Command(1037);
  Pump();
  ASSERT_NE(FForm->Words(), nullptr);
  const RECT window = Window();
  const RECT keys = KeysOnScreen(*FForm);
  Start();  // suggestions stored on
  ASSERT_NE(FForm->Words(), nullptr);
  EXPECT_TRUE(SameRect(Window(), window));
  EXPECT_TRUE(SameRect(KeysOnScreen(*FForm), keys));
  WritePrivateProfileStringW(L"Main", L"WordSuggestions", L"0", FIni.c_str());
  Start();
  ASSERT_EQ(FForm->Words(), nullptr);
  EXPECT_TRUE(SameRect(KeysOnScreen(*FForm), keys));
}

TEST_F(WordSuggestionsWindow, ASuggestionTypesExactlyItsRestAndASpaceIntoTheFocusedEdit) {
  const HWND edit = FocusTargetEdit();
  TWordSuggestions* words = SuggestionsAfterTh();
  ASSERT_NE(words, nullptr);
  const auto& shown = words->Bar().Words();
  ASSERT_GE(shown.size(), 3u);
  const std::wstring first = shown[0];
  ASSERT_EQ(first.substr(0, 2), L"th");
  const auto& slots = words->Bar().Slots();
  EXPECT_NE(RowPixel(words->Bar().Handle(), slots[0].Left + 2, slots[0].Top + 2), Theme.Background);
  words->Press(0);
  Pump();
  wchar_t text[64] = {};
  GetWindowTextW(edit, text, 64);
  EXPECT_EQ(std::wstring(text), first.substr(2) + L" ");  // the keyboard's own "th" never reached it
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(GetForegroundWindow(), FTarget.Get());
}

TEST_F(WordSuggestionsWindow, ScanningStepsThroughTheRowFirstAndTheSwitchTypesASuggestion) {
  const HWND edit = FocusTargetEdit();
  TWordSuggestions* words = SuggestionsAfterTh();
  ASSERT_NE(words, nullptr);
  const std::wstring first = words->Bar().Words().at(0);
  FForm->ApplySetting(TSettingId::ScanTime, 500);
  FForm->ApplySetting(TSettingId::Scanning, 1);
  Pump();
  const HWND bar = words->Bar().Handle();
  const auto& slots = words->Bar().Slots();
  ASSERT_GE(slots.size(), 3u);
  const auto face = [&](std::size_t i) { return RowPixel(bar, slots[i].Left + 3, slots[i].Top + 3); };
  // The whole row is highlighted first, in the scan colours.
  EXPECT_EQ(face(0), Theme.ScanFace);
  EXPECT_EQ(face(slots.size() - 1), Theme.ScanFace);
  const auto pressSwitch = [&] {
    SendMessageW(FForm->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(FForm->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  };
  pressSwitch();  // the row: its first button alone
  Pump();
  EXPECT_EQ(face(0), Theme.ScanFace);
  EXPECT_EQ(face(1), Theme.KeyFace);
  Sleep(120);     // past the switch's bounce time, within the first step's one and a half intervals
  pressSwitch();  // the first suggestion
  Pump();
  wchar_t text[64] = {};
  GetWindowTextW(edit, text, 64);
  EXPECT_EQ(std::wstring(text), first.substr(2) + L" ");
  EXPECT_EQ(GetFocus(), edit);
  FForm->ApplySetting(TSettingId::Scanning, 0);
  Command(1037);  // the row goes while the scan holds it no more
  EXPECT_EQ(FForm->Words(), nullptr);
}

TEST_F(WordSuggestionsWindow, AWordUnderTheRestingPointerIsTypedWithHoverToTypeOn) {
  const HWND edit = FocusTargetEdit();
  TWordSuggestions* words = SuggestionsAfterTh();
  ASSERT_NE(words, nullptr);
  const std::wstring first = words->Bar().Words().at(0);
  const TRect slot = words->Bar().Slots().at(0);
  POINT centre{(slot.Left + slot.Right) / 2, (slot.Top + slot.Bottom) / 2};
  ClientToScreen(words->Bar().Handle(), &centre);
  SetCursorPos(centre.x, centre.y);
  Pump();
  wchar_t text[64] = {};
  GetWindowTextW(edit, text, 64);
  EXPECT_EQ(std::wstring(text), L"");  // hover to type is off
  FForm->ApplySetting(TSettingId::HoverTime, 500);
  FForm->ApplySetting(TSettingId::HoverPress, 1);
  SendMessageW(words->Bar().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
  for (int i = 0; i < 5; ++i) Pump();  // a second: past the hover time, once
  GetWindowTextW(edit, text, 64);
  EXPECT_EQ(std::wstring(text), first.substr(2) + L" ");  // once per visit
  EXPECT_EQ(GetFocus(), edit);
}
