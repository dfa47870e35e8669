// The keyboard window's system menu and commands on the real window: the program's items under
// the system's own, exactly once also after the border changed twice, with check marks that follow
// the switches; "Change colors" and "Change keyboard type" apply and store the next number;
// the settings dialog is not made while nobody asks for it: the first "Settings" makes it (the
// Apps key during its timer's wait, the timer showing it), and every one after shows that same
// dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/transparency_slider.h"
#include "app/win32/main_form.h"
#include "app/win32/message_pump.h"
#include "keys/vk_codes.h"
#include "platform/win32/program_file.h"
#include "platform/win32/startup_environment.h"
#include "render/win32/font_enum.h"
#include "settings/win32/app_ini_module.h"
#include "settings/win32/settings_temp_folder.h"
#include "words/user_words.h"

namespace {

struct TMenuEntry {
  UINT Id;
  std::wstring Text;
  bool Checked;
};

std::vector<TMenuEntry> ProgramItems(HWND window) {
  const HMENU menu = GetSystemMenu(window, FALSE);
  std::vector<TMenuEntry> items;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id < 1026 || id > 1040) continue;
    wchar_t text[256] = L"";
    GetMenuStringW(menu, i, text, 256, MF_BYPOSITION);
    items.push_back({id, text, (GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED) != 0});
  }
  return items;
}

bool CheckedOf(HWND window, UINT id) {
  for (const TMenuEntry& item : ProgramItems(window))
    if (item.Id == id) return item.Checked;
  ADD_FAILURE() << "no item " << id;
  return false;
}

BOOL CALLBACK AddIfSettingsDialog(HWND window, LPARAM list) {
  wchar_t name[32] = L"";
  GetClassNameW(window, name, 32);
  if (lstrcmpW(name, L"TSettingsForm") == 0) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The settings dialogs of this thread: the windows of the dialog's class.
std::vector<HWND> SettingsDialogs() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), &AddIfSettingsDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// A keyboard window on settings of its own: Orvilla.ini beside the test program, first run over.
class MainFormMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    InitStartupEnvironment();
    DetectFonts();
    FIni = ProgramFolder() + L"\\Orvilla.ini";
    DeleteFileW(FIni.c_str());
    WritePrivateProfileStringW(L"Main", L"Site", L"1", FIni.c_str());
    FModule = std::make_unique<TAppIniModule>(std::vector<std::wstring>{});
    FForm = std::make_unique<TMainForm>(nullptr, *AppIni);
  }
  void TearDown() override {
    FForm.reset();
    FModule.reset();
    DeleteFileW(FIni.c_str());
  }
  int Stored(const wchar_t* key) { return GetPrivateProfileIntW(L"Main", key, -1, FIni.c_str()); }
  void Command(UINT id) { SendMessageW(FForm->Handle(), WM_SYSCOMMAND, id, 0); }

  std::wstring FIni;
  std::unique_ptr<TAppIniModule> FModule;
  std::unique_ptr<TMainForm> FForm;
};

TEST_F(MainFormMenu, ProgramItemsFollowTheSystemsOwnOnceInOrder) {
  const std::vector<UINT> order{1027, 1030, 1034, 1036, 1037, 1039, 1040, 1038,
                                1028, 1029, 1033, 1035, 1032, 1026, 1031};
  auto ids = [this] {
    std::vector<UINT> result;
    for (const TMenuEntry& item : ProgramItems(FForm->Handle())) result.push_back(item.Id);
    return result;
  };
  EXPECT_EQ(ids(), order);
  const HMENU menu = GetSystemMenu(FForm->Handle(), FALSE);
  // The system's own items (Close among them) stay above the program's.
  int closeAt = -1, firstOwn = -1;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (GetMenuItemID(menu, i) == SC_CLOSE) closeAt = i;
    if (GetMenuItemID(menu, i) == 1027 && firstOwn < 0) firstOwn = i;
  }
  EXPECT_GE(closeAt, 0);
  EXPECT_LT(closeAt, firstOwn);
  EXPECT_EQ(ProgramItems(FForm->Handle())[0].Text, L"Enable key repeat");

  // Locking and unlocking change the border twice: the items are still there exactly once, and
  // the check mark followed the switch each time.
  Command(1034);
  EXPECT_TRUE(CheckedOf(FForm->Handle(), 1034));
  EXPECT_EQ(ids(), order);
  Command(1034);
  EXPECT_FALSE(CheckedOf(FForm->Handle(), 1034));
  EXPECT_EQ(ids(), order);
  EXPECT_EQ(Stored(L"LockSize"), 0);
}

TEST_F(MainFormMenu, SwitchCommandsToggleTheirCheckMarkAndStore) {
  const bool repeat = CheckedOf(FForm->Handle(), 1027);
  EXPECT_TRUE(repeat);  // on by default
  Command(1027);
  EXPECT_FALSE(CheckedOf(FForm->Handle(), 1027));
  EXPECT_EQ(Stored(L"EnableKeyRepeat"), 0);
  Command(1030);
  EXPECT_TRUE(CheckedOf(FForm->Handle(), 1030));
  EXPECT_EQ(Stored(L"FitWidth"), 1);
  // Hover typing: off by default, its time stored within its limits.
  EXPECT_FALSE(CheckedOf(FForm->Handle(), 1036));
  EXPECT_FALSE(FForm->TimerEnabled(tmrHover));
  Command(1036);
  EXPECT_TRUE(CheckedOf(FForm->Handle(), 1036));
  EXPECT_EQ(Stored(L"HoverPress"), 1);
  EXPECT_TRUE(FForm->Switch(TSettingId::HoverPress));
  Command(1036);
  EXPECT_FALSE(CheckedOf(FForm->Handle(), 1036));
  EXPECT_EQ(Stored(L"HoverPress"), 0);
  EXPECT_FALSE(FForm->TimerEnabled(tmrHover));
}

TEST_F(MainFormMenu, ScanningAndClickSoundAreSwitchedStoredAndCheckedFromTheMenu) {
  const struct {
    UINT Id;
    const wchar_t* Key;
  } cases[] = {{1039, L"Scanning"}, {1040, L"ClickSound"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Id);
    EXPECT_FALSE(CheckedOf(FForm->Handle(), c.Id));  // off by default
    Command(c.Id);
    EXPECT_TRUE(CheckedOf(FForm->Handle(), c.Id));
    EXPECT_EQ(Stored(c.Key), 1);
    // The window is not shown: scanning is on but nothing scans yet.
    EXPECT_FALSE(FForm->TimerEnabled(tmrScan));
    Command(c.Id);
    EXPECT_FALSE(CheckedOf(FForm->Handle(), c.Id));
    EXPECT_EQ(Stored(c.Key), 0);
  }
}

TEST_F(MainFormMenu, ScanningRunsExactlyWhileOnAndOnScreenAlsoAcrossALayoutChange) {
  FForm->ApplySetting(TSettingId::Scanning, 1);
  // Another keyboard before the first showing: not shown yet, and the first showing is whole.
  FForm->ApplySetting(TSettingId::KeyboardType, 3);
  EXPECT_FALSE(FForm->TimerEnabled(tmrScan));
  FForm->Show();
  EXPECT_TRUE(FForm->TimerEnabled(tmrHKL));
  EXPECT_TRUE(FForm->TimerEnabled(tmrScan));
  // Another keyboard (from the settings dialog, which a switch user reaches through the scan):
  // the scan goes on over the new keys.
  FForm->ApplySetting(TSettingId::KeyboardType, 2);
  EXPECT_TRUE(FForm->TimerEnabled(tmrScan));
  FForm->ApplicationEventsMainMinimize();
  EXPECT_FALSE(FForm->TimerEnabled(tmrScan));
  FForm->ApplicationEventsMainRestore();
  EXPECT_TRUE(FForm->TimerEnabled(tmrScan));
  FForm->ApplySetting(TSettingId::Scanning, 0);
  EXPECT_FALSE(FForm->TimerEnabled(tmrScan));
}

TEST_F(MainFormMenu, HoverSettingsAreReadAtStartWithTheTimeLimited) {
  const struct {
    const wchar_t* Stored;
    int Applied;
  } cases[] = {{L"100", 500}, {L"1700", 1700}, {L"99999", 3000}, {L"x", 1000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Applied);
    FForm.reset();
    WritePrivateProfileStringW(L"Main", L"HoverPress", L"1", FIni.c_str());
    WritePrivateProfileStringW(L"Main", L"HoverTime", c.Stored, FIni.c_str());
    FForm = std::make_unique<TMainForm>(nullptr, *AppIni);
    EXPECT_TRUE(FForm->Switch(TSettingId::HoverPress));
    EXPECT_TRUE(CheckedOf(FForm->Handle(), 1036));
    EXPECT_EQ(FForm->SettingValue(TSettingId::HoverTime), c.Applied);
    EXPECT_EQ(Stored(L"HoverTime"), c.Applied);
  }
}

// The settings of the dialog's bands: read limited at start, applied and stored limited.
TEST_F(MainFormMenu, TheBandsSettingsAreReadLimitedAndStoredLimited) {
  FForm.reset();
  WritePrivateProfileStringW(L"Main", L"ScanTime", L"99999", FIni.c_str());
  WritePrivateProfileStringW(L"Main", L"ScanKey", L"65", FIni.c_str());  // A: no switch key
  WritePrivateProfileStringW(L"Main", L"SuggestionSpace", L"0", FIni.c_str());
  WritePrivateProfileStringW(L"Main", L"ScanSound", L"x", FIni.c_str());
  FForm = std::make_unique<TMainForm>(nullptr, *AppIni);
  EXPECT_EQ(FForm->SettingValue(TSettingId::ScanTime), 3000);
  EXPECT_EQ(FForm->SettingValue(TSettingId::ScanKey), 32);
  EXPECT_EQ(FForm->SettingValue(TSettingId::SuggestionSpace), 0);
  EXPECT_EQ(FForm->SettingValue(TSettingId::LearnWords), 1);
  EXPECT_EQ(FForm->SettingValue(TSettingId::ScanSound), 0);
  const struct {
    TSettingId Id;
    int Value, Applied;
  } cases[] = {
      {TSettingId::ScanTime, 100, 500}, {TSettingId::ScanTime, 1700, 1700},  {TSettingId::ScanKey, 123, 123},
      {TSettingId::ScanKey, 9, 32},     {TSettingId::SuggestionSpace, 1, 1}, {TSettingId::LearnWords, 0, 0},
      {TSettingId::ScanSound, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << Setting(c.Id).Key << " " << c.Value);
    FForm->ApplySetting(c.Id, c.Value);
    EXPECT_EQ(FForm->SettingValue(c.Id), c.Applied);
    EXPECT_EQ(Stored(Setting(c.Id).Key), c.Applied);
  }
}

// "Forget learned words" empties Orvilla-words.txt beside the INI file at once, with the row on
// (its words loaded) or off (nothing loaded).
TEST_F(MainFormMenu, ForgetLearnedWordsEmptiesTheDictionaryWithSuggestionsOnOrOff) {
  const std::wstring fileName = ProgramFolder() + L"\\Orvilla-words.txt";
  auto wordsInFile = [&] {
    std::string text;
    const HANDLE file =
        CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      char buffer[4096];
      DWORD read = 0;
      while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) text.append(buffer, read);
      CloseHandle(file);
    }
    TUserWords words;
    words.Load(text);
    return words.WordCount();
  };
  auto writeWords = [&] {
    const std::string text = TUserWords().Serialize() + "9\tgrandmother\t3\n9\tOrvilla\t2\n";
    const HANDLE file = CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
  };
  for (bool suggestions : {false, true}) {
    SCOPED_TRACE(suggestions);
    writeWords();
    ASSERT_EQ(wordsInFile(), 2u);
    FForm->ApplySetting(TSettingId::WordSuggestions, suggestions);
    ASSERT_EQ(FForm->Words() != nullptr, suggestions);
    FForm->ForgetLearnedWords();
    EXPECT_EQ(wordsInFile(), 0u);
    // Nothing learned before is written back by a later save.
    FForm->ApplySetting(TSettingId::WordSuggestions, 0);
    EXPECT_EQ(wordsInFile(), 0u);
  }
  DeleteFileW(fileName.c_str());
}

TEST_F(MainFormMenu, CyclingCommandsApplyAndStoreTheNextStoredNumber) {
  Command(1028);  // nothing stored yet: the scheme after 1
  EXPECT_EQ(Stored(L"Colors"), 2);
  EXPECT_EQ(FForm->SettingValue(TSettingId::ColorScheme), 2);
  WritePrivateProfileStringW(L"Main", L"Colors", L"10", FIni.c_str());
  Command(1028);
  EXPECT_EQ(Stored(L"Colors"), 1);

  Command(1029);
  EXPECT_EQ(Stored(L"Keyboard"), 2);
  EXPECT_EQ(FForm->SettingValue(TSettingId::KeyboardType), 2);
  WritePrivateProfileStringW(L"Main", L"Keyboard", L"6", FIni.c_str());
  Command(1029);
  EXPECT_EQ(Stored(L"Keyboard"), 7);
  WritePrivateProfileStringW(L"Main", L"Keyboard", L"8", FIni.c_str());
  Command(1029);
  EXPECT_EQ(Stored(L"Keyboard"), 1);
  EXPECT_EQ(FForm->SettingValue(TSettingId::KeyboardType), 1);
}

// A settings file that cannot be written: the layout asked for is applied all the same (the
// number, the keys and the slider agree) and the failed write is reported after.
TEST_F(MainFormMenu, AFailedWriteOfALayoutChangeLeavesTheLayoutApplied) {
  FForm->Show();
  const HWND slider = GetWindow(FForm->Handle(), GW_CHILD);
  ASSERT_TRUE(slider);
  auto sliderBox = [&] {
    RECT r{};
    GetWindowRect(slider, &r);
    MapWindowPoints(nullptr, FForm->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return std::vector<LONG>{r.left, r.top, r.right, r.bottom};
  };
  FForm->ApplySetting(TSettingId::KeyboardType, 2);
  const int width = FForm->Keyboard().DesignWidth();
  const std::vector<LONG> box = sliderBox();
  FForm->ApplySetting(TSettingId::KeyboardType, 1);
  ASSERT_NE(FForm->Keyboard().DesignWidth(), width);
  {
    TExclusiveFile lock(FIni);
    ASSERT_TRUE(lock.Held());
    EXPECT_THROW(FForm->ApplySetting(TSettingId::KeyboardType, 2), TSettingsError);
    EXPECT_THROW(FForm->ApplySetting(TSettingId::ColorScheme, 3), TSettingsError);
  }
  EXPECT_EQ(FForm->SettingValue(TSettingId::KeyboardType), 2);
  EXPECT_EQ(FForm->Keyboard().DesignWidth(), width);
  EXPECT_EQ(sliderBox(), box);
  EXPECT_EQ(FForm->SettingValue(TSettingId::ColorScheme), 3);
  EXPECT_EQ(Stored(L"Keyboard"), 1);
}

TEST_F(MainFormMenu, SettingsDialogIsMadeByTheFirstCommandThenTheSameShownUntilTheWindowGoes) {
  // Shown, painted and through its idle steps, the keyboard has made no dialog.
  FForm->Show();
  EXPECT_TRUE(PumpUntil([this] { return !FForm->TimerEnabled(tmrLegends); }, 5000));
  EXPECT_TRUE(SettingsDialogs().empty());
  Command(1033);
  const std::vector<HWND> dialogs = SettingsDialogs();
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_TRUE(IsWindowVisible(dialogs[0]));
  EXPECT_EQ(GetWindow(dialogs[0], GW_OWNER), FForm->Handle());
  // Closing only hides it; asked for again, the same dialog shows.
  SendMessageW(dialogs[0], WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(dialogs[0]));
  Command(1033);
  EXPECT_EQ(SettingsDialogs(), dialogs);
  EXPECT_TRUE(IsWindowVisible(dialogs[0]));
  FForm.reset();
  EXPECT_FALSE(IsWindow(dialogs[0]));
}

TEST_F(MainFormMenu, TheAppsKeyMakesTheDialogDuringItsTimersWaitAndTheTimerShowsIt) {
  FForm->Show();
  const TLvBtn* apps = FForm->Keyboard().Key(VkApps);
  ASSERT_NE(apps, nullptr);
  const LPARAM centre = MAKELPARAM(apps->GetLeft() + apps->GetWidth() / 2, apps->GetTop() + apps->GetHeight() / 2);
  SendMessageW(FForm->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
  SendMessageW(FForm->Handle(), WM_LBUTTONUP, 0, centre);
  EXPECT_TRUE(FForm->TimerEnabled(tmrSettings));
  // The click handled, the dialog is not made inside it but by the next messages, one at a time
  // here, while the timer still waits.
  EXPECT_TRUE(SettingsDialogs().empty());
  MSG msg;
  while (SettingsDialogs().empty() && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  const std::vector<HWND> dialogs = SettingsDialogs();
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_FALSE(IsWindowVisible(dialogs[0]));
  EXPECT_TRUE(FForm->TimerEnabled(tmrSettings));
  // The timer shows that same dialog.
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(dialogs[0]) != FALSE; }, 5000));
  EXPECT_EQ(SettingsDialogs(), dialogs);
  EXPECT_FALSE(FForm->TimerEnabled(tmrSettings));
}

// The keyboard window on a monitor whose DPI is not the system's: the slider's margins, track and
// thumb follow the window's own DPI, as WM_DPICHANGED gives it: a press on the track sets the value
// the slider's geometry at that DPI gives for the point, not the one at the system's.
TEST_F(MainFormMenu, TheSliderFollowsTheWindowsOwnDpi) {
  FForm->Show();
  const HWND slider = GetWindow(FForm->Handle(), GW_CHILD);
  ASSERT_TRUE(slider);
  const HDC screen = GetDC(nullptr);
  const int systemDpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const int dpi = systemDpi * 3 / 2;
  RECT window{};
  GetWindowRect(FForm->Handle(), &window);
  RECT suggested{window.left, window.top, window.left + (window.right - window.left) * 3 / 2,
                 window.top + (window.bottom - window.top) * 3 / 2};
  SendMessageW(FForm->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  RECT client{};
  GetClientRect(slider, &client);
  ASSERT_GT(client.right, 0);
  for (const int value : {60, 150, 240}) {
    SCOPED_TRACE(value);
    const int x = SliderThumbX(value, client.right, dpi);
    const std::optional<int> atDpi = SliderValueAt(x, client.right, dpi);
    ASSERT_TRUE(atDpi);
    ASSERT_NE(SliderValueAt(x, client.right, systemDpi), atDpi) << "the two DPIs tell the slider apart";
    SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, client.bottom / 2));
    SendMessageW(slider, WM_LBUTTONUP, 0, MAKELPARAM(x, client.bottom / 2));
    EXPECT_EQ(FForm->SettingValue(TSettingId::Transparency), *atDpi);
    EXPECT_LE(std::abs(*atDpi - value), 3);
  }
}

TEST_F(MainFormMenu, OtherSystemCommandsGoToTheDefaultHandling) {
  // An id outside the program's range changes nothing of the program's.
  Command(1037);
  EXPECT_EQ(Stored(L"Colors"), -1);
  EXPECT_EQ(Stored(L"Keyboard"), -1);
  EXPECT_TRUE(IsWindow(FForm->Handle()));
}

}  // namespace

TEST_F(MainFormMenu, TheWindowIsLayeredExactlyWhenTheStoredOpacityIsBelowFull) {
  const struct {
    const wchar_t* Stored;  // null: none
    BYTE Alpha;             // 255: not layered
  } cases[] = {{nullptr, 255}, {L"255", 255}, {L"120", 120}, {L"10", 50}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Alpha);
    FForm.reset();
    WritePrivateProfileStringW(L"Main", L"AlphaBlend", c.Stored, FIni.c_str());
    FForm = std::make_unique<TMainForm>(nullptr, *AppIni);
    FForm->Show();
    const bool layered = (GetWindowLongPtrW(FForm->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    EXPECT_EQ(layered, c.Alpha < 255);
    BYTE alpha = 0;
    DWORD flags = 0;
    if (layered) {
      ASSERT_TRUE(GetLayeredWindowAttributes(FForm->Handle(), nullptr, &alpha, &flags));
      EXPECT_EQ(alpha, c.Alpha);
      EXPECT_TRUE(flags & LWA_ALPHA);
    }
    EXPECT_TRUE(IsWindowVisible(FForm->Handle()));
  }
}

TEST_F(MainFormMenu, FeaturesThatAreOffCostNothingAtStart) {
  // Word suggestions, scanning, hover typing and keeping clear of the caret are off by default:
  // once the keyboard is on screen there is no suggestion row and no timer of theirs (keeping clear
  // has none of its own: it rides on the language check).
  FForm->Show();
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(FForm->Words(), nullptr);
  EXPECT_FALSE(FForm->TimerEnabled(tmrScan));
  EXPECT_FALSE(FForm->TimerEnabled(tmrHover));
  EXPECT_TRUE(FForm->TimerEnabled(tmrHKL));
}
