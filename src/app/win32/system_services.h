#pragma once
// The system's implementations of the seams the keyboard model works through.
#include <memory>

#include "keyboard/lv_keyboard.h"
#include "keys/key_injection.h"
#include "keys/keyboard_services.h"

std::unique_ptr<TKeyboardServices> CreateSystemKeyboardServices();
std::unique_ptr<TKeyInjector> CreateSystemKeyInjector();
std::unique_ptr<TKeyLegends> CreateKeyLegends(TKeyboardServices& services);
