// Renders the keyboard off-screen as the program draws it and writes the picture as a 24-bit BMP.
//
// Usage: orvilla_render.exe LAYOUT SCHEME WIDTH HEIGHT [shift|altgr] [german|french] OUT.bmp
//   LAYOUT  1..6 ("Standard" ... "Narrow"); SCHEME 1..10 (colour scheme);
//   WIDTH HEIGHT  the work area: the keyboard gets the client size the program gives it there;
//   shift   left Shift shown latched (pressed); altgr: right Alt (AltGr) shown latched;
//   german / french  the legends of the test keyboard services' German (QWERTZ) or French
//           (AZERTY) tables instead of the system's, so those placements can be shown where the
//           system has only one layout (Wine answers every language as English).
//
// The wiring follows the keyboard window: module start (helpers, font detection), legend fonts,
// colour scheme, key names, layout, the client size for the work area, legend font sizes,
// activation, and the resize with its full redraw. Nothing is injected: key events the activation
// would send go to a recording injector.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/window_sizing.h"
#include "fakes/fake_keyboard_services.h"
#include "fakes/recording_key_injector.h"
#include "keyboard/builtin_layouts.h"
#include "keyboard/keyboard_desktop.h"
#include "keyboard/layout_text.h"
#include "keyboard/lv_keyboard.h"
#include "keyboard/win32/key_legends_win32.h"
#include "keyboard/win32/keyboard_services_win32.h"
#include "keys/vk_codes.h"
#include "platform/win32/screen.h"
#include "platform/win32/startup_environment.h"
#include "render/fonts.h"
#include "render/theme.h"
#include "render/win32/font_enum.h"
#include "render/win32/gdi_canvas.h"
#include "render/win32/theme_win32.h"

namespace {

struct TRenderArgs {
  int Layout = 1;
  int Scheme = ColorSchemeWindowsLight;
  int WorkWidth = 0;
  int WorkHeight = 0;
  bool Shift = false;
  bool AltGr = false;
  THkl FakeLanguage = 0;  // 0: the system's keyboard services
  std::string Out;
};

int Usage() {
  std::fprintf(stderr,
               "usage: orvilla_render.exe LAYOUT(1-6) SCHEME(1-10) WIDTH HEIGHT [shift|altgr] "
               "[german|french] OUT.bmp\n");
  return 2;
}

bool ParseInt(const char* text, int low, int high, int& value) {
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (!end || *end != '\0' || v < low || v > high) return false;
  value = static_cast<int>(v);
  return true;
}

bool ParseArgs(int argc, char** argv, TRenderArgs& args) {
  if (argc < 6) return false;
  if (!ParseInt(argv[1], 1, LayoutCount, args.Layout) || !ParseInt(argv[2], 1, ColorSchemeCount, args.Scheme) ||
      !ParseInt(argv[3], 1, 32767, args.WorkWidth) || !ParseInt(argv[4], 1, 32767, args.WorkHeight))
    return false;
  for (int i = 5; i < argc - 1; ++i) {
    const std::string word = argv[i];
    if (word == "shift")
      args.Shift = true;
    else if (word == "altgr")
      args.AltGr = true;
    else if (word == "german")
      args.FakeLanguage = GermanHkl;
    else if (word == "french")
      args.FakeLanguage = FrenchHkl;
    else
      return false;
  }
  args.Out = argv[argc - 1];
  return true;
}

void PutLe(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// A bottom-up 24-bit BMP of the surface.
bool WriteBmp(const TGdiSurface& surface, const std::string& path) {
  const int w = surface.Width(), h = surface.Height();
  if (w <= 0 || h <= 0) return false;
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(h);
  std::vector<unsigned char> file;
  file.reserve(54 + pixelBytes);
  file.push_back('B');
  file.push_back('M');
  PutLe(file, 54 + pixelBytes, 4);
  PutLe(file, 0, 4);
  PutLe(file, 54, 4);
  PutLe(file, 40, 4);  // BITMAPINFOHEADER
  PutLe(file, static_cast<std::uint32_t>(w), 4);
  PutLe(file, static_cast<std::uint32_t>(h), 4);
  PutLe(file, 1, 2);
  PutLe(file, 24, 2);
  PutLe(file, 0, 4);  // BI_RGB
  PutLe(file, pixelBytes, 4);
  PutLe(file, 3780, 4);  // 96 pixels per inch
  PutLe(file, 3780, 4);
  PutLe(file, 0, 4);
  PutLe(file, 0, 4);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const COLORREF c = surface.Pixel(x, y);
      file.push_back(GetBValue(c));
      file.push_back(GetGValue(c));
      file.push_back(GetRValue(c));
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(w) * 3; pad < rowBytes; ++pad) file.push_back(0);
  }
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  return std::fclose(out) == 0 && written;
}

std::unique_ptr<TKeyboardServices> MakeServices(THkl fakeLanguage) {
  if (fakeLanguage == 0) return std::make_unique<TWin32KeyboardServices>();
  auto fake = std::make_unique<TFakeKeyboardServices>();
  fake->ForegroundHkl = fakeLanguage;
  return fake;
}

}  // namespace

int main(int argc, char** argv) {
  TRenderArgs args;
  if (!ParseArgs(argc, argv, args)) return Usage();

  // Module start, before any window would exist.
  InitStartupEnvironment();
  DetectFonts();

  // The client size the keyboard window gets on this work area for the layout's size.
  const TLayoutDescription layout = ParseLayoutText(LayoutText(args.Layout));
  const TSize design{layout.Width, layout.Height};
  const TSize client = InitialClientSize(design.Width, design.Height, TRect{0, 0, args.WorkWidth, args.WorkHeight});

  TGdiSurface paintBox;
  paintBox.SetSize(client.Width, client.Height);
  TGdiSurfaceFactory surfaces;
  std::unique_ptr<TKeyboardServices> services = MakeServices(args.FakeLanguage);
  TRecordingKeyInjector injector;
  TProcessKeyboardDesktop desktop([] { return ScreenPixelsPerInch(); });
  TWin32KeyLegends legends;
  TLvKeyboard keyboard(paintBox, surfaces, *services, injector, desktop, &legends);

  // FormCreate and BuildKeyboard.
  ChooseLegendFonts();
  ApplyColorScheme(args.Scheme);
  keyboard.FillKeyNames();
  keyboard.LoadLayout(args.Layout);
  keyboard.Redraw(false);
  auto updateFontSizes = [&keyboard] {
    if (const TLvBtn* escape = keyboard.Key(VkEscape))
      UpdateLegendFontSizes(escape->GetWidth(), escape->GetHeight(), ScreenPixelsPerInch());
  };
  updateFontSizes();
  // FormShow, then FormResize.
  keyboard.SetActive(true);
  keyboard.SetPaintEnabled(true);
  keyboard.SetImageSize(client.Width, client.Height);
  keyboard.ScaleKeys();
  updateFontSizes();
  keyboard.Redraw(true);

  // A latched modifier is shown pressed, as a click on it shows it.
  auto latch = [&keyboard](std::uint8_t code, const char* name) {
    if (TLvBtn* key = keyboard.Key(code); key && key->GetWidth() > 0)
      keyboard.SetKeyPressed(code, true);
    else
      std::fprintf(stderr, "orvilla_render: layout has no %s key\n", name);
  };
  if (args.Shift) latch(VkLShift, "left Shift");
  if (args.AltGr) latch(VkRMenu, "AltGr");
  keyboard.Present();

  if (!WriteBmp(paintBox, args.Out)) {
    std::fprintf(stderr, "orvilla_render: cannot write %s\n", args.Out.c_str());
    return 1;
  }
  std::printf("%s: layout %d, scheme %d, %dx%d keyboard on a %dx%d work area\n", args.Out.c_str(), args.Layout,
              args.Scheme, client.Width, client.Height, args.WorkWidth, args.WorkHeight);
  return 0;
}
