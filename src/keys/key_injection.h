#pragma once
// Injection of one synthetic key event into the system's input stream.
#include <cstdint>

class TKeyInjector {
 public:
  virtual ~TKeyInjector() = default;

  // One key-down (keyUp false) or key-up event for a virtual-key code, with the extended-key flag
  // when extended is set. Refusals by the system are not reported.
  virtual void SendKeyEvent(std::uint16_t code, bool keyUp, bool extended) = 0;
};
