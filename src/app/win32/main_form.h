#pragma once
// The keyboard window: topmost, never activated by a click, layered for its opacity.
// main_form.cpp holds the window and its message dispatch; main_form_settings.cpp the operations
// that apply a setting and the commands.
#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/keep_clear.h"
#include "app/win32/keyboard_feature.h"
#include "app/win32/scanning_feature.h"
#include "app/win32/word_suggestions_feature.h"
#include "commands/command_captions.h"
#include "commands/command_table.h"
#include "commands/system_menu_plan.h"
#include "input/hover_typing.h"
#include "input/key_press.h"
#include "input/pointer_input.h"
#include "input/win32/touch_input.h"
#include "input/win32/win32_input_window.h"
#include "keyboard/keyboard_desktop.h"
#include "keyboard/keyboard_types.h"
#include "keyboard/lv_keyboard.h"
#include "keys/key_injection.h"
#include "keys/keyboard_services.h"
#include "platform/geometry.h"
#include "platform/win32/base_window.h"
#include "platform/win32/win32_handles.h"
#include "render/canvas.h"
#include "settings/app_ini.h"
#include "settings/settings_controller.h"
#include "settings/settings_target.h"

class TSettingsForm;
class TTransparencyPanel;
class TWindowSurface;

enum TTimerId : UINT_PTR {
  tmrPress = 1,
  tmrHKL = 2,
  tmrCapsLock = 3,
  tmrSettings = 4,
  tmrLazySaveSettings = 5,
  tmrCaption = 6,
  tmrHover = 7,
  tmrLegends = 8,
  tmrScan = 9,
  tmrLast = tmrScan,
};

// Between two idle steps of a legend table's fill, in milliseconds.
constexpr UINT LegendsFillInterval = 10;

// Posted when the Apps key starts tmrSettings: the settings dialog is made during the timer's wait,
// once the click has been handled and shown, so that the timer only has to show it.
constexpr UINT MakeSettingsFormMessage = WM_APP + 1;
// A press of the scanning switch key, posted by its hook (the scanning feature's message).
constexpr UINT ScanSwitchMessage = WM_APP + 2;

class TMainForm : public TBaseWindow<TMainForm>, public TSettingsTarget, private TSettingEffects {
 public:
  // Creates the window (hidden), owned by the application window, and runs FormCreate.
  TMainForm(HWND owner, TAppIni& appIni);
  ~TMainForm();

  // Shows the window without activating it; the first showing runs FormShow.
  void Show();

  // The window-class parameters: the form's own plus topmost and non-activating.
  static DWORD CreateParamsExStyle(DWORD formExStyle);

  // Lifecycle events.
  void FormCreate();
  void FormShow();
  void FormClose();
  void FormDestroy();
  // Key-ups of the held key and of every key latched or shown pressed: for every way out.
  void ReleaseAllKeys();

  // Application events (the taskbar button belongs to the application window).
  void ApplicationEventsMainMinimize();
  void ApplicationEventsMainRestore();

  bool TimerEnabled(TTimerId id) const { return FTimerEnabled[id]; }
  TLvKeyboard& Keyboard() { return *FKeyboard; }

  // Window behaviour.
  void BuildKeyboard();
  void FormResize();
  void UpdateBorder();

  // The settings, held by FSettings: ApplySetting applies a value at once, updates the check marks
  // and stores it (the opacity through the lazy save). Used by the commands, by the transparency
  // slider and by the settings dialog.
  int SettingValue(TSettingId id) const override { return FSettings.Value(id); }
  void ApplySetting(TSettingId id, int value) override { FSettings.Apply(id, value); }
  // The suggestion row while word suggestions are on; null otherwise.
  TWordSuggestions* Words() { return FWordSuggestions ? FWordSuggestions->Suggestions() : nullptr; }
  void BuildSystemMenu();
  void ScheduleLazySave() override;
  // Moves the window into its monitor's work area when it is not wholly on that monitor.
  void KeepOnMonitor();

  // What the settings dialog reads and asks of this window.
  std::vector<std::wstring> FileLayoutNames() override;
  TRect WindowBounds() const override;
  void RestoreLeftAndWidth(int left, int width) override;
  void FitAspectCentred(const TRect& workArea) override;
  // Opens a web page or shell target in the default handler; failures are ignored.
  void OpenUrl(const std::wstring& url) override;
  void ForgetLearnedWords() override;

  // Keyboard use of the settings dialog, once it exists (TSettingsForm::PreTranslateMessage).
  bool PreTranslateSettingsMessage(MSG& msg);

  // Runs a command of the command table (the system menu, the Apps key, the first run).
  void RunCommand(TCommandId command);

 private:
  friend class TBaseWindow<TMainForm>;

  // What a new value of a setting does to the window (TSettingEffects, main_form_settings.cpp).
  int AcceptedValue(TSettingId id, int value) override;
  void SettingApplied(TSettingId id, int value) override;
  void SwitchChanged(TSettingId id) override { UpdateMenuChecks(id); }
  void StoreByProgram(TSettingId id, int value) override;
  // The effects of the settings that do more than hold their value.
  void FitWidthApplied(bool on);
  void LockSizeApplied();
  void KeyboardTypeApplied();
  void ColorSchemeApplied();
  void TransparencyApplied();
  void HoverPressApplied(bool on);
  // The suggestion row came (shown) or went: the window grows by it or loses it, and the keys keep
  // their size and place (a maximised or minimised window keeps its size: its keys make room).
  void SuggestionRowChanged(bool shown);
  // A setting's value now, and whether a switch is on.
  int Value(TSettingId id) const { return FSettings.Value(id); }
  bool On(TSettingId id) const { return FSettings.Switch(id); }

  // State fields.
  bool FShown = false;
  // The window's own pixels per inch (that of its monitor), updated on WM_DPICHANGED.
  int FDpi = 96;
  // False while the program itself sizes the window: the size rules do not apply then.
  bool FSizingGuard = true;
  int FLastWorkAreaWidth = 0;
  int FLastWorkAreaHeight = 0;
  HMONITOR FLastMonitor = nullptr;
  // The pointer and press state (drag origin, held and latched keys, repeat timing, the pointer
  // filters and touch contacts) lives in FPointer and FKeyPress.
  // Keeping clear of the text cursor (main_form_keep_clear.cpp), and whether the user is moving or
  // sizing the window.
  TKeepClear FKeepClearRule;
  bool FMovingOrSizing = false;
  // The built-in and file layouts, the files read when first needed (main_form_layout_files.cpp).
  std::optional<TKeyboardTypes> FKeyboardTypes;

  // The composition root: builds every object the window uses and wires them to each other and to
  // the window (main_form_objects.cpp), the features beyond typing in BuildFeatures.
  void BuildObjects();
  void BuildFeatures();
  // Applies the stored settings at start-up, or loads those that wait for their use.
  void ApplyStoredSettings();

  // The message dispatch: the pointer's, pen's, touch's and switch's messages, then the window's
  // own; each answers a message it handled in full, or nothing for the default handling (after
  // what it did, for some).
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> OnInputMessage(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The handlers of the messages that take more than a line.
  LRESULT OnPaint();
  // False when the touch functions are missing: the default handling then.
  bool OnTouch(WPARAM wParam, LPARAM lParam);
  LRESULT OnPointerEnter(LPARAM lParam);
  // A press on the title bar, the system menu or a border brings the window to the front.
  void OnNonClientButtonDown(WPARAM hitTest);
  LRESULT OnCaptureChanged(LPARAM lParam);
  LRESULT OnEndSession(WPARAM ending);
  LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
  // True for the program's commands and the minimise it takes to the application window.
  bool OnSysCommand(WPARAM wParam);
  LRESULT OnDestroy();

  void EnableTimer(TTimerId id, bool enabled, UINT interval);
  void OnTimer(TTimerId id);
  TRect WorkArea() const;
  void SetClientSize(int width, int height);
  void RegisterTouch();
  void TranslateCaptions();
  void ShowFirstRunPage();
  void UpdateLegendFontSizes();

  // Layouts from files (main_form_layout_files.cpp).
  const TKeyboardTypes& KeyboardTypes();
  // The keyboard type the setting "Keyboard" names: a built-in number or a layout file's name.
  int StoredKeyboardType();
  // The keyboard type applying keeps: a file layout's number as it is, other numbers as the
  // settings table limits them.
  int KeyboardTypeToApply(int value);
  // Loads the keyboard type's layout into the keyboard control.
  void LoadKeyboardLayout();
  // Stores the keyboard type: a built-in layout by its number, a file layout by its name.
  void StoreKeyboardType();
  // Moves the window out of the caret's way when KeepClear is on (main_form_keep_clear.cpp).
  void KeepClearOfCaret();

  void tmrCaptionTimer();
  void tmrSettingsTimer();
  // Makes the settings dialog, hidden, unless it exists: the first time it is asked for (the
  // "Settings" command, or the Apps key, which makes it during its timer's wait). False when it
  // could not be made; the error box then says why when reportFailure (the opening itself, which
  // tries again after a quiet attempt during the wait). The keyboard runs on either way.
  bool MakeSettingsForm(bool reportFailure);
  // The hover check: runs while hover typing is on and the pointer is over the window.
  void tmrHoverTimer();
  // Starts the hover check when hover typing is on; stops it, ending the visit, when not.
  void StartHoverCheck();
  void StopHoverCheck();
  // Fills the rest of the current language's legend table in idle steps: timer messages come
  // after input and painting, so a click is never kept waiting for more than one step.
  void StartLegendsFill();
  // What lies under the pointer now.
  THoverSample HoverSample() const;
  // The check marks of the system-menu items of a switch follow its value.
  void UpdateMenuChecks(TSettingId id);
  TSwitchState Switches() const {
    return [this](TSettingId id) { return Switch(id); };
  }
  // The keys' part of the client area, in client coordinates, as the word suggestions leave it:
  // below their row while they are on, else the whole client area. The keyboard's own coordinates
  // start at its top-left corner.
  TRect KeyArea() const;
  // The client height that leaves the keys keysHeight pixels.
  int ClientHeightForKeys(int keysHeight) const;
  // Stores the window's place and size as a restart restores them: without the suggestion row.
  void SavePlacement();
  // The transparency slider's place on the keyboard, after every resize.
  void PlaceTransparencyPanel();
  // The client width that follows the layout's aspect at the current height, centred on workArea.
  void SizeToAspectCentred(const TRect& workArea);
  // Mouse messages of the client area (the paint box pbKeyboard).
  void HandleMouseMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnMouseMove(int x, int y, const TMessageOrigin& origin);
  // Moves and sizes: the size lock, Fit width, the work-area edges and snapping.
  void WindowPosChanging(WINDOWPOS& pos);

  TAppIni& FAppIni;
  // Every setting's value while the program runs; this window answers for their effects.
  TSettingsController FSettings{FAppIni, *this};
  std::unique_ptr<TWindowSurface> FPaintBox;
  std::unique_ptr<TSurfaceFactory> FSurfaces;
  std::unique_ptr<TKeyboardServices> FServices;
  std::unique_ptr<TKeyInjector> FInjector;
  std::unique_ptr<TKeyboardDesktop> FDesktop;
  std::unique_ptr<TKeyLegends> FLegends;
  std::unique_ptr<TLvKeyboard> FKeyboard;
  std::array<bool, tmrLast + 1> FTimerEnabled{};

  std::unique_ptr<TWin32InputWindow> FInputWindow;
  std::unique_ptr<TKeyPress> FKeyPress;
  std::unique_ptr<TPointerInput> FPointer;
  std::unique_ptr<THoverTyping> FHover;
  // The features beyond typing, told every event of the window in FFeatures (the word
  // suggestions before the scan that steps through their row). Scanning outlives the row.
  std::unique_ptr<TScanningFeature> FScanning;
  std::unique_ptr<TWordSuggestionsFeature> FWordSuggestions;
  std::vector<TKeyboardFeature*> FFeatures;
  // Tells every feature an event.
  template <typename... TParams, typename... TArgs>
  void TellFeatures(void (TKeyboardFeature::*event)(TParams...), TArgs... args) {
    for (TKeyboardFeature* feature : FFeatures) (feature->*event)(args...);
  }
  // The features follow a setting's value read at start-up.
  void TellFeaturesSetting(TSettingId id) { TellFeatures(&TKeyboardFeature::OnSettingApplied, id, Value(id)); }
  // Whether the last mouse move of the client area came from a pen or a finger.
  bool FLastMoveFromPenOrTouch = false;
  std::unique_ptr<TTransparencyPanel> pnlTransparency;
  // The translated captions of the commands.
  TCommandCaptions FCaptions;
  bool FTrackingMouseLeave = false;
  // The window is being destroyed: nothing more is scheduled.
  bool FClosing = false;
  // The window is releasing the mouse capture itself.
  bool FReleasingCapture = false;

  // Touch functions, looked up at run time so that the program runs where they are missing.
  using RegisterTouchWindowFn = BOOL(WINAPI*)(HWND, ULONG);
  using UnregisterTouchWindowFn = BOOL(WINAPI*)(HWND);
  RegisterTouchWindowFn FRegisterTouchWindow = nullptr;
  UnregisterTouchWindowFn FUnregisterTouchWindow = nullptr;
  TTouchFunctions FTouch;
  // shell32, loaded when the first page is opened and kept while the window lives: the shell may
  // still be at work after ShellExecuteW returns.
  TModuleHandle FShell32;
  // The settings dialog, made when it is first asked for (MakeSettingsForm): it and the common
  // controls library it loads are not held by a keyboard that never opens it. Destroyed first,
  // while all else is whole.
  std::unique_ptr<TSettingsForm> FSettingsForm;
};
