#include <gtest/gtest.h>

#include <windows.h>

#include "fakes/fake_keyboard_desktop.h"
#include "fakes/recording_key_injector.h"
#include "keyboard/lv_keyboard.h"
#include "keyboard/win32/keyboard_services_win32.h"
#include "platform/win32/fatal_error.h"
#include "render/win32/gdi_canvas.h"

// A crash while Shift and right Alt are latched: the last-chance filter sends their key-ups before
// the process goes, and lets the crash go on to the system.
TEST(FatalError, CrashReleasesEveryKeyShownPressed) {
  TGdiSurface paintBox;
  paintBox.SetSize(441, 181);
  TGdiSurfaceFactory surfaces;
  TWin32KeyboardServices services;
  TRecordingKeyInjector injector;
  TFakeKeyboardDesktop desktop;
  TLvKeyboard keyboard(paintBox, surfaces, services, injector, desktop);
  ASSERT_TRUE(keyboard.LoadLayout(1));
  keyboard.SetKeyPressed(160, true);
  keyboard.SetKeyPressed(165, true);

  InstallFatalErrorHandler([&keyboard] { keyboard.ReleasePressedKeys(); });
  EXPECT_EQ(SetUnhandledExceptionFilter(nullptr), &FatalErrorFilter);

  EXPECT_EQ(FatalErrorFilter(nullptr), EXCEPTION_CONTINUE_SEARCH);
  const std::vector<TKeyEvent> expected{KeyUp(160), KeyUp(165, true)};
  EXPECT_EQ(injector.Events, expected);
  EXPECT_EQ(keyboard.PressedCount(), 0);

  // A second failure finds nothing left to release.
  FatalErrorFilter(nullptr);
  EXPECT_EQ(injector.Events.size(), 2u);
  InstallFatalErrorHandler(nullptr);
  SetUnhandledExceptionFilter(nullptr);
}
