#pragma once
// What happens when the program fails: an error inside a message handler is shown in the standard
// error box and the program goes on; a crash first releases every key the keyboard shows pressed,
// so that no key stays down in the system after the process is gone.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

// Shows the message of an error that escaped a message handler.
void ShowErrorBox(HWND owner, const std::exception& error);
// The message of an error as the error box shows it.
std::wstring ErrorText(const std::exception& error);

// Installs the process's last-chance handlers (unhandled structured exceptions, std::terminate);
// releaseKeys sends the key-ups of every key shown pressed.
void InstallFatalErrorHandler(std::function<void()> releaseKeys);

// The unhandled-exception filter itself: releases the keys and lets the crash go on.
LONG WINAPI FatalErrorFilter(EXCEPTION_POINTERS* info);
