#pragma once
// A keyboard control wired to fakes: recording canvases, the fake keyboard services of three
// languages, a recording key injector and a fake desktop. Theme gets distinct colours for the
// life of the rig and is restored afterwards.
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_canvas.h"
#include "fakes/fake_keyboard_desktop.h"
#include "fakes/fake_keyboard_services.h"
#include "fakes/recording_key_injector.h"
#include "keyboard/lv_keyboard.h"
#include "render/fonts.h"
#include "render/theme.h"

// Distinct colours for every field key drawing reads, so that a test can tell them apart.
inline TLvTheme DistinctTheme() {
  TLvTheme t;
  t.Background = 0x000100;
  t.KeyFace = 0x000101;
  t.KeyBorder = 0x000102;
  t.KeyName = 0x000103;
  t.KeyChar = 0x000104;
  t.DownFace = 0x000201;
  t.DownBorder = 0x000202;
  t.DownName = 0x000203;
  t.DownChar = 0x000204;
  t.HotFace = 0x000301;
  t.HotBorder = 0x000302;
  t.HotName = 0x000303;
  t.HotChar = 0x000304;
  t.FnFace = 0x000401;
  t.FnBorder = 0x000402;
  t.FnName = 0x000403;
  t.CmdFace = 0x000501;
  t.CmdBorder = 0x000502;
  t.CmdName = 0x000503;
  t.NameFontSize = 8;
  t.CharFontSize = 10;
  t.NameFontName = L"NameFace";
  t.CharFontName = L"CharFace";
  t.NameFontStyle = TFontStyles(TFontStyle::Bold);
  t.CharFontStyle = TFontStyles(TFontStyle::Bold);
  return t;
}

// Saves Theme and the glyph font flags, installs the distinct theme with no symbol font, and
// restores everything when it goes.
class TThemeScope {
 public:
  TThemeScope() : FTheme(Theme), FFluent(HasSegoeFluentIcons), FSymbol(HasSegoeUISymbol), FWingdings(HasWingdings) {
    Theme = DistinctTheme();
    HasSegoeFluentIcons = HasSegoeUISymbol = HasWingdings = false;
  }
  ~TThemeScope() {
    Theme = FTheme;
    HasSegoeFluentIcons = FFluent;
    HasSegoeUISymbol = FSymbol;
    HasWingdings = FWingdings;
  }
  TThemeScope(const TThemeScope&) = delete;
  TThemeScope& operator=(const TThemeScope&) = delete;

 private:
  TLvTheme FTheme;
  bool FFluent, FSymbol, FWingdings;
};

// Legends for tests: the character legend of a code is "c<code>", and the calls are counted.
class TFakeKeyLegends : public TKeyLegends {
 public:
  int PrepareCalls = 0;
  std::vector<THkl> PreparedFor;
  // Byte 17 (Ctrl) of the keyboard state as seen by each GetLegend call.
  std::vector<int> CtrlSeen;

  TPreparedLegends PrepareLegends(THkl hkl, const TKeyNames& keyNames, const TShownLegends&,
                                  TKeyboardServices&) override {
    ++PrepareCalls;
    PreparedFor.push_back(hkl);
    return {keyNames, 0};
  }
  std::wstring GetLegend(std::int32_t, const TKeyboardState& state, std::uint8_t code, TKeyboardServices&) override {
    CtrlSeen.push_back(state[17]);
    return L"c" + std::to_wstring(code);
  }
  bool FillPendingLegends(std::int32_t, TKeyboardServices&) override { return false; }
};

struct TKeyboardRig {
  TThemeScope themeScope;
  FakeSurface paintBox;
  FakeSurfaceFactory surfaces;
  TFakeKeyboardServices services;
  TRecordingKeyInjector injector;
  TFakeKeyboardDesktop desktop;
  TFakeKeyLegends legends;
  std::unique_ptr<TLvKeyboard> keyboard;

  explicit TKeyboardRig(int boxWidth = 882, int boxHeight = 362) {
    paintBox.SetSize(boxWidth, boxHeight);
    Recreate();
  }

  // Creates the keyboard control anew with the current fakes.
  void Recreate() {
    keyboard.reset();
    keyboard = std::make_unique<TLvKeyboard>(paintBox, surfaces, services, injector, desktop, &legends);
  }

  TLvKeyboard& Kb() { return *keyboard; }
  TLvBtn& Key(int code) { return *keyboard->Key(code); }
  FakeCanvas& Image() { return static_cast<FakeSurface&>(keyboard->Image()).Fake(); }
  FakeCanvas& Back() { return static_cast<FakeSurface&>(keyboard->BackBuffer()).Fake(); }
  FakeCanvas& Box() { return paintBox.Fake(); }

  // Fills the key names, loads a layout (shown at its own size) and activates the keyboard, as the
  // main window does; then forgets every drawing operation and key event so far.
  void LoadActive(int index = 1) {
    keyboard->FillKeyNames();
    keyboard->LoadLayout(index);
    keyboard->SetActive(true);
    ClearOps();
  }
  void ClearOps() {
    Image().ClearOps();
    Back().ClearOps();
    Box().ClearOps();
    injector.Events.clear();
  }
  // Number of operations of a kind on the image.
  int ImageOps(FakeOpKind kind) { return static_cast<int>(Image().OpsOf(kind).size()); }
  // Number of outlines (rectangles and polygons) drawn on the image.
  int ImageShapes() { return ImageOps(FakeOpKind::Rectangle) + ImageOps(FakeOpKind::Polygon); }
  // Number of times the picture reached the paint box.
  int Presents() { return static_cast<int>(Box().OpsOf(FakeOpKind::Draw).size()); }
};
