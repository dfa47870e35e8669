// Shows the settings dialog beside a stand-in keyboard window and saves a picture of it, for the
// screenshots in docs/screenshots.
// Usage: orvilla_settings_screenshot <language, hexadecimal: 0409, 040C, ...> <picture.bmp>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <fstream>
#include <vector>

#include "commands/command_captions.h"
#include "dialog/win32/settings_form.h"
#include "platform/win32/win32_handles.h"

namespace {

// A keyboard window that only answers what the dialog asks.
class TStandInKeyboard : public TSettingsTarget {
 public:
  int SettingValue(TSettingId id) const override {
    switch (id) {
      case TSettingId::EnableKeyRepeat: return 1;
      case TSettingId::KeyboardType: return 2;
      case TSettingId::ColorScheme: return 5;
      case TSettingId::Transparency: return 210;
      case TSettingId::HoverPress: return 1;
      case TSettingId::HoverTime: return 1500;
      case TSettingId::WordSuggestions: return 1;
      case TSettingId::SuggestionSpace: return 1;
      case TSettingId::LearnWords: return 1;
      case TSettingId::ClickSound: return 1;
      case TSettingId::ScanTime: return 1200;
      case TSettingId::ScanKey: return 145;  // Scroll Lock
      default: return 0;
    }
  }
  void ApplySetting(TSettingId, int) override {}
  std::vector<std::wstring> FileLayoutNames() override { return {}; }
  TRect WindowBounds() const override { return {100, 500, 824, 797}; }
  void RestoreLeftAndWidth(int, int) override {}
  void FitAspectCentred(const TRect&) override {}
  void OpenUrl(const std::wstring&) override {}
  void ForgetLearnedWords() override {}
};

// Copies a rectangle of the screen into a 24-bit BMP file.
bool SaveScreenRect(const RECT& r, const wchar_t* path) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as a BMP file stores it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  TBitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return false;
  {
    const TWindowDc screen = GetScreenDc();
    const TMemoryDc memory(CreateCompatibleDC(nullptr));
    const TSelectedObject selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
  }
  GdiFlush();
  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD imageSize = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageSize;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(BITMAPINFOHEADER));
  out.write(static_cast<const char*>(bits), imageSize);
  return static_cast<bool>(out);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: orvilla_settings_screenshot <language> <picture.bmp>\n");
    return 2;
  }
  const auto language = static_cast<std::uint16_t>(std::wcstoul(argv[1], nullptr, 16));
  TStandInKeyboard keyboard;
  TSettingsForm form(nullptr, keyboard, TranslateCommandCaptions(language, L"1.0.0"), language);
  form.ShowSettings();
  // A second of messages paints the dialog; the loop is the one the program runs.
  SetTimer(nullptr, 0, 1500, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && !msg.hwnd) break;
    if (form.PreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  RECT r{};
  GetWindowRect(form.Handle(), &r);
  std::wprintf(L"dialog at %ld,%ld size %ldx%ld, %d DPI, images %d px\n", r.left, r.top, r.right - r.left,
               r.bottom - r.top, form.Dpi(), form.ButtonImageSize());
  return SaveScreenRect(r, argv[2]) ? 0 : 1;
}
