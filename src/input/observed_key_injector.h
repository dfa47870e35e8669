#pragma once
// A key injector that passes every event on and tells an observer about each key-down before it
// is sent (while the keyboard still shows the state it was pressed in).
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include "keys/key_injection.h"

class TObservedKeyInjector : public TKeyInjector {
 public:
  TObservedKeyInjector(std::unique_ptr<TKeyInjector> inner, std::function<void(std::uint16_t)> onKeyDown)
      : FInner(std::move(inner)), FOnKeyDown(std::move(onKeyDown)) {}
  void SendKeyEvent(std::uint16_t code, bool keyUp, bool extended) override {
    if (!keyUp) FOnKeyDown(code);
    FInner->SendKeyEvent(code, keyUp, extended);
  }

 private:
  std::unique_ptr<TKeyInjector> FInner;
  std::function<void(std::uint16_t)> FOnKeyDown;
};
