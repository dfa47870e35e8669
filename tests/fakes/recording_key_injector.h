#pragma once
// Key injector for tests: records every key event in the order it was sent.
#include <cstdint>
#include <ostream>
#include <vector>

#include "keys/key_injection.h"

struct TKeyEvent {
  std::uint16_t Code = 0;
  bool Up = false;
  bool Extended = false;
  friend bool operator==(const TKeyEvent& a, const TKeyEvent& b) {
    return a.Code == b.Code && a.Up == b.Up && a.Extended == b.Extended;
  }
  friend std::ostream& operator<<(std::ostream& os, const TKeyEvent& e) {
    return os << "{" << e.Code << (e.Up ? " up" : " down") << (e.Extended ? " ext" : "") << "}";
  }
};

inline TKeyEvent KeyDown(std::uint16_t code, bool extended = false) { return {code, false, extended}; }
inline TKeyEvent KeyUp(std::uint16_t code, bool extended = false) { return {code, true, extended}; }

class TRecordingKeyInjector : public TKeyInjector {
 public:
  std::vector<TKeyEvent> Events;

  void SendKeyEvent(std::uint16_t code, bool keyUp, bool extended) override {
    Events.push_back({code, keyUp, extended});
  }
};
