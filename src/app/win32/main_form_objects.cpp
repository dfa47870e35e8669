// The keyboard window's composition root: every object it uses, built and wired in one place.
#include <windows.h>

#include "app/win32/main_form.h"
#include "app/win32/system_services.h"
#include "app/win32/transparency_panel.h"
#include "app/win32/window_surface.h"
#include "dialog/win32/settings_form.h"
#include "input/observed_key_injector.h"
#include "platform/win32/screen.h"
#include "platform/win32/startup_environment.h"
#include "render/win32/gdi_canvas.h"

void TMainForm::BuildObjects() {
  FPaintBox = std::make_unique<TWindowSurface>(Handle());
  FSurfaces = std::make_unique<TGdiSurfaceFactory>();
  FServices = CreateSystemKeyboardServices();
  // The word suggestions hear of every key-down the keyboard sends.
  FInjector = std::make_unique<TObservedKeyInjector>(CreateSystemKeyInjector(), [this](std::uint16_t code) {
    if (FWordSuggestions) FWordSuggestions->KeyDown(code);
  });
  FDesktop = std::make_unique<TProcessKeyboardDesktop>([] { return ScreenPixelsPerInch(); });
  FLegends = CreateKeyLegends(*FServices);
  FKeyboard = std::make_unique<TLvKeyboard>(*FPaintBox, *FSurfaces, *FServices, *FInjector, *FDesktop, FLegends.get());
  // Nothing is drawn while the window is built: the first showing draws the keyboard.
  FKeyboard->SetPaintEnabled(false);
  auto timerId = [](TInputTimer t) { return t == TInputTimer::tmrPress ? tmrPress : tmrSettings; };
  FInputWindow = std::make_unique<TWin32InputWindow>(
      Handle(),
      [this, timerId](TInputTimer t, bool on, unsigned ms) {
        EnableTimer(timerId(t), on, ms);
        if (t == TInputTimer::tmrSettings && on && !FSettingsForm)
          PostMessageW(Handle(), MakeSettingsFormMessage, 0, 0);
      },
      [this, timerId](TInputTimer t) { return TimerEnabled(timerId(t)); });
  // The press state starts with nothing held or latched, a repeat delay of 600 ms and an interval
  // of 20 ms; the pointer filters start with no press seen, and mouse presses are ignored while a
  // pen is in range on Windows builds from 16215 on.
  FKeyPress = std::make_unique<TKeyPress>(*FKeyboard, *FInjector, *FInputWindow);
  FPointer = std::make_unique<TPointerInput>(*FKeyboard, *FKeyPress, *FInputWindow, WindowsBuildNumber);
  FHover = std::make_unique<THoverTyping>(*FKeyboard, *FPointer, Setting(TSettingId::HoverTime).Default,
                                          HoverTolerance(FDpi));

  BuildFeatures();

  pnlTransparency = std::make_unique<TTransparencyPanel>(
      Handle(), [this] { return Value(TSettingId::Transparency); },
      [this](int value) {
        FSettings.Apply(TSettingId::Transparency, value);
        if (FSettingsForm) FSettingsForm->SetTrackBarPosition(Value(TSettingId::Transparency));
      },
      [this] { return FPointer->TouchActive(); });
}

void TMainForm::BuildFeatures() {
  FScanning = std::make_unique<TScanningFeature>(
      Handle(), ScanSwitchMessage, *FKeyboard, *FPointer, FSettings,
      TFeatureTimer(
          tmrScan, ScanCheckInterval, [this](bool on, UINT interval) { EnableTimer(tmrScan, on, interval); },
          [this] { return FTimerEnabled[tmrScan]; }),
      [this] { return FShown; });
  // The click sound of every key press.
  FKeyPress->SetPressObserver([this] { FScanning->KeyPressed(); });

  TWordSuggestionsFeature::TWindowLinks links;
  links.ReleaseLatched = [this] { FKeyPress->ReleaseKeys(); };
  links.HoverTolerance = [this] { return HoverTolerance(FDpi); };
  links.WordsLearned = [this] {
    if (!FTimerEnabled[tmrLazySaveSettings]) ScheduleLazySave();
  };
  links.RowChanged = [this](bool shown) { SuggestionRowChanged(shown); };
  FWordSuggestions =
      std::make_unique<TWordSuggestionsFeature>(Handle(), *FKeyboard, FAppIni, FSettings, *FScanning, std::move(links));

  FFeatures = {FWordSuggestions.get(), FScanning.get()};
}
