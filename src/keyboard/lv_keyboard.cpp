#include "keyboard/lv_keyboard.h"

#include <algorithm>

#include "keyboard/builtin_layouts.h"
#include "keyboard/vk_names.h"
#include "keys/vk_classes.h"
#include "keys/vk_codes.h"
#include "platform/scope_exit.h"
#include "platform/screen_scale.h"
#include "render/theme.h"

namespace {

bool MeetsAny(const TRect& r, const std::vector<TRect>& region) {
  return std::any_of(region.begin(), region.end(), [&](const TRect& q) {
    return r.Left < q.Right && q.Left < r.Right && r.Top < q.Bottom && q.Top < r.Bottom;
  });
}

}  // namespace

TLvKeyboard::TLvKeyboard(TSurface& paintBox, TSurfaceFactory& surfaces, TKeyboardServices& services,
                         TKeyInjector& injector, TKeyboardDesktop& desktop, TKeyLegends* legends)
    : FPaintBox(&paintBox),
      FSurfaces(surfaces),
      FServices(services),
      FInjector(injector),
      FDesktop(desktop),
      FLegends(legends) {
  FBackBuffer = FSurfaces.CreateSurface();
  FImage = FSurfaces.CreateSurface();
  ComputeBoldLimits();
  SetHkl(FServices.GetForegroundKeyboardLayout());
  SetControlSize(FPaintBox->Width(), FPaintBox->Height());
  ClearKeys();
}

TLvKeyboard::~TLvKeyboard() {
  ClearKeys();
  FBackBuffer.reset();
}

bool TLvKeyboard::LoadLayout(int index) { return LoadLayoutText(LayoutText(index)); }

bool TLvKeyboard::LoadLayoutText(const std::wstring& text) {
  const bool paintEnabled = FPaintEnabled;
  SetPaintEnabled(false);
  FDesktop.BeginBusy(false);
  // The busy section ends however the load ends.
  TScopeExit endBusy([this] { FDesktop.EndBusy(true); });
  ClearKeys();

  const TLayoutDescription layout = ParseLayoutText(text);
  if (!layout.SizeRead) return false;
  SetControlSize(layout.Width, layout.Height);
  SetDesignSize(layout.Width, layout.Height);
  for (int code = 1; code <= layout.KeysRead; ++code) AddKey(static_cast<std::uint8_t>(code), layout.Points[code]);
  if (!layout.Succeeded()) return false;

  // Painting comes back without a redraw of its own: the one below comes after placement and
  // legends, so no picture with the old placement is shown in between.
  FPaintEnabled = paintEnabled;
  PlaceKeys();
  PrepareLegends();
  Redraw(true);
  return true;
}

void TLvKeyboard::FillKeyNames() {
  for (int code = 1; code <= 255; ++code) FKeyNames[code] = VKNames[code];
  Redraw(true);
}

void TLvKeyboard::SetKeyName(std::uint8_t code, const std::wstring& name) { FKeyNames[code] = name; }

void TLvKeyboard::AddKey(std::uint8_t code, const TLayoutPoints& points) {
  if (code == 0) return;
  FreeKey(code);
  FKeys[code] = std::make_unique<TLvBtn>(*this, code, FImage->Canvas(), points);
  FNeedsRebuild = true;  // the back buffer lacks its outline
}

void TLvKeyboard::FreeKey(std::uint8_t code) { FreeKeyObject(code, true); }

void TLvKeyboard::FreeKeyObject(std::uint8_t code, bool detach) {
  std::unique_ptr<TLvBtn> key = std::move(FKeys[code]);
  if (!key) return;
  FNeedsRebuild = true;  // the back buffer still holds its outline
  // No reference to the freed key may stay behind, and it no longer counts as pressed.
  if (FHotBtn == key.get()) FHotBtn = nullptr;
  if (detach)
    for (auto& other : FKeys)
      if (other && other->PlaceKey() == key.get()) other->SetPlaceKey(nullptr);
  if (key->Pressed()) FPressedCount = std::max(0, FPressedCount - 1);
}

void TLvKeyboard::ClearKeys() {
  // Every key goes, so references between them need not be detached one by one.
  for (int code = 1; code <= 255; ++code) FreeKeyObject(static_cast<std::uint8_t>(code), false);
  FHotBtn = nullptr;
}

void TLvKeyboard::SetControlSize(int width, int height) {
  FHeight = height;
  FWidth = width;
  FImage->SetSize(width, height);
}

void TLvKeyboard::SetImageSize(int width, int height) {
  const int oldHeight = FHeight;
  const int oldWidth = FWidth;
  try {
    SetControlSize(width, height);
  } catch (...) {
    // The keyboard keeps its previous size.
    FHeight = oldHeight;
    FWidth = oldWidth;
    try {
      FImage->SetSize(oldWidth, oldHeight);
    } catch (...) {}
  }
}

void TLvKeyboard::SetDesignSize(int width, int height) {
  FDesignWidth = width;
  FDesignHeight = height;
}

void TLvKeyboard::ScaleKeys() {
  if (FDesignWidth <= 0 || FDesignHeight <= 0) return;
  const long double fx = static_cast<long double>(FWidth) / FDesignWidth;
  const long double fy = static_cast<long double>(FHeight) / FDesignHeight;
  for (auto& key : FKeys)
    if (key) key->ScaleOutline(fx, fy);
  FNeedsRebuild = true;  // the back buffer holds the outlines at their old size
}

void TLvKeyboard::ComputeBoldLimits() {
  const int ppi = FDesktop.ScreenPpi();
  FBoldNameLimit = DpiUnscale(14, ppi);
  FBoldCharLimit = DpiUnscale(16, ppi);
}

void TLvKeyboard::Redraw(bool rebuild) {
  if (rebuild) FNeedsRebuild = true;
  if (!FPaintEnabled) return;

  ComputeBoldLimits();
  if (FBackBuffer->Width() != FWidth || FBackBuffer->Height() != FHeight) {
    FBackBuffer->SetSize(FWidth, FHeight);
    FNeedsRebuild = true;  // a resized buffer has lost its contents
  }

  if (FNeedsRebuild) {
    FNeedsRebuild = false;
    TCanvas& buffer = FBackBuffer->Canvas();
    buffer.SetBrushColor(Theme.Background);
    buffer.SetBrushStyle(TBrushStyle::Solid);
    buffer.FillRect(TRect{0, 0, FWidth, FHeight});
    for (int code = 1; code <= 255; ++code) {
      TLvBtn* key = FKeys[code].get();
      if (!key) continue;
      key->SetColors(buffer, false, false, key->Code());
      key->PaintTo(buffer, true);
    }
  }

  FImage->Canvas().Draw(0, 0, *FBackBuffer);
  for (int code = 1; code <= 255; ++code) {
    TLvBtn* key = FKeys[code].get();
    if (!key) continue;
    key->ForgetDrawnShape();
    key->Paint();
  }
  Present();
}

bool TLvKeyboard::PictureCurrent() const {
  return !FNeedsRebuild && FBackBuffer->Width() == FWidth && FBackBuffer->Height() == FHeight &&
         FImage->Width() == FWidth && FImage->Height() == FHeight;
}

void TLvKeyboard::RepaintChangedKeys() {
  if (!FPaintEnabled) return;
  if (!PictureCurrent()) {
    Redraw(false);
    return;
  }
  // The region to repaint: what the changed keys cover, as last painted and as they will be.
  std::vector<TRect> region;
  for (const auto& key : FKeys) {
    if (!key || !key->NeedsRepaint()) continue;
    if (key->PlaceChangedSincePaint()) {
      Redraw(false);
      return;
    }
    const TRect bounds = key->PaintBounds();
    if (bounds.Width() > 0 && bounds.Height() > 0) region.push_back(bounds);
  }
  if (!region.empty()) {
    // Inside the region the image becomes what Redraw draws there: the back buffer, then every
    // key that reaches into it in code order (outlines are shared between neighbours).
    TCanvas& image = FImage->Canvas();
    image.ClipTo(region);
    TScopeExit unclip([&image] { image.ResetClip(); });
    for (const TRect& r : region) image.CopyRect(r, *FBackBuffer);
    for (const auto& key : FKeys) {
      if (!key || !MeetsAny(key->PaintBounds(), region)) continue;
      key->ForgetDrawnShape();
      key->PaintWithin(region);
    }
  }
  Present();
}

void TLvKeyboard::Present() {
  if (FPaintEnabled) FPaintBox->Canvas().Draw(0, 0, *FImage);
}

void TLvKeyboard::TrackHot(int x, int y) {
  bool extended = false;
  if (FHotBtn && FHotBtn->HitTest(x, y, extended)) {
    // Still on the hot key: nothing to draw, but the part under the pointer may have changed.
    FHotBtn->SetExtended(extended);
    return;
  }
  ClearHot(false);
  if (const std::uint8_t code = KeyAt(x, y)) {
    TLvBtn* key = FKeys[code].get();
    key->HitTest(x, y, extended);
    FHotBtn = key;
    key->SetExtended(extended);
    key->SetHot(true);
  }
  Present();
}

void TLvKeyboard::ClearHot(bool present) {
  if (!FHotBtn) return;
  FHotBtn->SetHot(false);
  FHotBtn = nullptr;
  if (present) Present();
}

void TLvKeyboard::SetActive(bool active) {
  if (active == FActive) return;
  FActive = active;
  if (!active) return;
  ResetKeys();
  ReadKeyboardState();
  FPressedCount = 0;
  if (FHotBtn) FHotBtn->SetHotState(false);  // drawn normal by the redraw below
  FHotBtn = nullptr;
  Redraw(false);
}

void TLvKeyboard::ResetKeys() {
  for (int code = 1; code <= 255; ++code) SetKeyPressed(static_cast<std::uint8_t>(code), false);
  Present();
}

void TLvKeyboard::ReadKeyboardState() {
  FServices.GetKeyboardState(FKeyState);
  for (TVk mouseButton : {VkLButton, VkRButton, VkMButton, VkXButton1, VkXButton2}) FKeyState[mouseButton] = 0;
  auto release = [this](int code) {
    if (FKeyState[code] == 0) return;
    if (FKeyState[code] >= 0x80)
      FInjector.SendKeyEvent(static_cast<std::uint16_t>(code), true, IsExtendedVk(static_cast<std::uint8_t>(code)));
    FKeyState[code] = 0;
  };
  FKeyState[VkShift] = 0;
  release(VkLShift);
  release(VkRShift);
  FKeyState[VkControl] = 0;
  release(VkLControl);
  release(VkRControl);
  FKeyState[VkMenu] = 0;
  release(VkLMenu);
  release(VkRMenu);
  release(VkLWin);
  release(VkRWin);
}

void TLvKeyboard::SetPaintEnabled(bool enabled) {
  if (enabled == FPaintEnabled) return;
  FPaintEnabled = enabled;
  if (enabled) Redraw(false);
}

void TLvKeyboard::SetHkl(THkl hkl) {
  if (hkl == 0 || (hkl >> 16) == 0 || hkl == FHkl) return;
  FHkl = hkl;
  PlaceKeys();
  PrepareLegends();
  if (FActive && FPaintEnabled) Redraw(false);
}

void TLvKeyboard::PlaceKeys() {
  const std::vector<THkl> installed = FServices.GetKeyboardLayoutList(30);
  THkl reference = UsEnglishHkl;
  THkl loaded = 0;
  if (std::find(installed.begin(), installed.end(), UsEnglishHkl) == installed.end()) {
    reference = FServices.LoadKeyboardLayoutW(L"04090409", 0);
    loaded = reference;
  }
  // A layout loaded here is unloaded again, also if a step fails.
  TScopeExit unload([this, loaded] {
    if (loaded != 0) FServices.UnloadKeyboardLayout(loaded);
  });

  for (int c = 1; c <= 255; ++c) {
    TLvBtn* key = FKeys[c].get();
    if (!key || !IsPositionVk(static_cast<std::uint8_t>(c))) continue;
    const unsigned scan = FServices.MapVirtualKeyExW(static_cast<unsigned>(c), MapVkVkToVsc, FHkl);
    int m = static_cast<int>(FServices.MapVirtualKeyExW(scan, MapVkVscToVkEx, reference) & 0xFF);
    if (m == 0) m = c;
    TLvBtn* physical = FKeys[m].get();
    if (!physical) continue;
    // The physical key's own object loses its place; it gets one again if its code comes later.
    if (physical->PlaceKey() == physical) physical->SetPlaceKey(nullptr);
    key->SetPlaceKey(physical);
    SetKeyPressed(static_cast<std::uint8_t>(m), false);
  }
}

void TLvKeyboard::PrepareLegends() {
  if (!FLegends) return;
  TShownLegends shown;
  shown.State = LegendDrawState(FKeyState);
  for (int code = 1; code <= 255; ++code) shown.Codes[code] = FKeys[code] && FKeys[code]->Drawn();
  TPreparedLegends prepared = FLegends->PrepareLegends(FHkl, FKeyNames, shown, FServices);
  FKeyNames = std::move(prepared.KeyNames);
  FLangIndex = prepared.LangIndex;
}

bool TLvKeyboard::FillPendingLegends() { return FLegends && FLegends->FillPendingLegends(FLangIndex, FServices); }

std::wstring TLvKeyboard::GetLegend(std::uint8_t code) const { return Legend(code, FKeyState); }

std::wstring TLvKeyboard::Legend(std::uint8_t code, const TKeyboardState& state) const {
  return FLegends ? FLegends->GetLegend(FLangIndex, state, code, FServices) : std::wstring();
}

void TLvKeyboard::SetKeyPressed(std::uint8_t code, bool down) {
  TLvBtn* key = FKeys[code].get();
  if (!key || key->Pressed() == down) return;
  key->SetPressedState(down);
  UpdateKeyState(code, down);
  if (down)
    ++FPressedCount;
  else
    FPressedCount = std::max(0, FPressedCount - 1);
  if (IsLockOrModifierVk(code))
    RepaintChangedKeys();
  else
    key->Paint();
}

void TLvKeyboard::SetScanHighlight(const std::vector<std::uint8_t>& codes) {
  std::array<bool, 256> highlighted{};
  for (std::uint8_t code : codes) highlighted[code] = true;
  bool changed = false;
  for (int code = 1; code <= 255; ++code) {
    TLvBtn* key = FKeys[code].get();
    if (!key || key->ScanHighlighted() == highlighted[code]) continue;
    key->SetScanState(highlighted[code]);
    changed = true;
  }
  if (changed) RepaintChangedKeys();
}

void TLvKeyboard::UpdateKeyState(std::uint8_t code, bool down) {
  if (code == VkCapital || code == VkNumLock || code == VkScroll) {
    if (down) FKeyState[code] = FKeyState[code] == KeyStateToggled ? 0 : KeyStateToggled;
    return;
  }
  FKeyState[code] = down ? KeyStateDown : 0;
  auto follow = [this](TVk generic, TVk left, TVk right) {
    FKeyState[generic] = (FKeyState[left] != 0 || FKeyState[right] != 0) ? KeyStateDown : 0;
  };
  if (code == VkLShift || code == VkRShift) follow(VkShift, VkLShift, VkRShift);
  if (code == VkLControl || code == VkRControl) follow(VkControl, VkLControl, VkRControl);
  if (code == VkLMenu || code == VkRMenu) follow(VkMenu, VkLMenu, VkRMenu);
}

void TLvKeyboard::SetKeyStateByte(std::uint8_t code, std::uint8_t value) { FKeyState[code] = value; }

bool TLvKeyboard::IsModifierKey(std::uint8_t code) const { return IsModifierVk(code); }

bool TLvKeyboard::IsKeyDown(std::uint8_t code) const {
  const TLvBtn* key = FKeys[code].get();
  return key && key->Pressed();
}

void TLvKeyboard::ReleasePressedKeys() {
  for (int code = 1; code <= 255; ++code) {
    TLvBtn* key = FKeys[code].get();
    if (!key || !key->Pressed()) continue;
    FInjector.SendKeyEvent(static_cast<std::uint16_t>(code), true, key->Extended());
    SetKeyPressed(static_cast<std::uint8_t>(code), false);
  }
}

TLvBtn* TLvKeyboard::Key(int code) const {
  if (code < 1 || code > 255) return nullptr;
  return FKeys[code].get();
}

std::uint8_t TLvKeyboard::KeyAt(int x, int y) const {
  for (int code = 1; code <= 255; ++code)
    if (FKeys[code] && FKeys[code]->HitTest(x, y)) return static_cast<std::uint8_t>(code);
  return 0;
}

const TLvBtn* TLvKeyboard::LegendSizeKey() const {
  for (const TVk code : {VkEscape, VkNumLock}) {
    if (FKeys[code] && FKeys[code]->Drawn()) return FKeys[code].get();
  }
  for (int code = 1; code <= 255; ++code) {
    if (FKeys[code] && FKeys[code]->Drawn()) return FKeys[code].get();
  }
  return nullptr;
}
