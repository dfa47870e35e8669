#pragma once
// Where the text cursor of the foreground window is, for keeping the keyboard clear of it.
#include <windows.h>

#include <optional>

#include "platform/geometry.h"

// The caret of the focused control in the foreground window, in screen coordinates, as that
// window's thread reports it (GetGUIThreadInfo); none when it shows no system caret, when the
// foreground window is one of ours (ownWindow's program), or when there is no foreground window.
// Programs that draw their own caret report none; they are not followed.
std::optional<TRect> ForegroundCaret(HWND ownWindow);
