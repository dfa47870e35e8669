// The keyboard window keeping clear of the text cursor ("KeepClear"): checked with the input
// language, on tmrHKL, and only while the setting is on.
#include <windows.h>

#include "app/win32/foreground_caret.h"
#include "app/win32/main_form.h"
#include "app/win32/transparency_panel.h"
#include "platform/win32/screen.h"

void TMainForm::KeepClearOfCaret() {
  if (!On(TSettingId::KeepClear) || !IsWindowVisible(Handle()) || IsIconic(Handle()) || IsZoomed(Handle())) return;
  TKeepClearView view;
  view.Window = WindowRect(Handle());
  view.WorkArea = WorkArea();
  view.Caret = ForegroundCaret(Handle());
  view.Held = FMovingOrSizing || (FKeyPress && FKeyPress->PressedBtn()) ||
              (pnlTransparency && pnlTransparency->Slider().Dragging());
  const std::optional<TRect> target = FKeepClearRule.Check(view, GetTickCount());
  if (!target) return;
  SetWindowPos(Handle(), nullptr, target->Left, target->Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The new place is stored as a move by the user would be.
  ScheduleLazySave();
}
