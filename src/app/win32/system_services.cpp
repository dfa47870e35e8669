#include "app/win32/system_services.h"

#include "input/win32/send_key_event.h"
#include "keyboard/win32/key_legends_win32.h"
#include "keyboard/win32/keyboard_services_win32.h"

std::unique_ptr<TKeyboardServices> CreateSystemKeyboardServices() { return std::make_unique<TWin32KeyboardServices>(); }

std::unique_ptr<TKeyInjector> CreateSystemKeyInjector() { return std::make_unique<TSendInputKeyInjector>(); }

std::unique_ptr<TKeyLegends> CreateKeyLegends(TKeyboardServices&) { return std::make_unique<TWin32KeyLegends>(); }
