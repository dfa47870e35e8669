#include "input/win32/pointer_messages.h"

#include <cstdint>

#include "input/message_origin.h"

namespace {

// CURSORINFO.flags: the system does not show the cursor because touch or pen is in use.
constexpr DWORD CursorSuppressed = 0x2;

std::uint32_t MessageExtraInfo() { return static_cast<std::uint32_t>(GetMessageExtraInfo()); }

}  // namespace

bool IsTouchMessage() { return IsTouchSignature(MessageExtraInfo()); }

bool IsPenMessage() { return IsPenSignature(MessageExtraInfo()); }

TMessageOrigin CurrentMessageOrigin() { return MessageOriginFromExtraInfo(MessageExtraInfo()); }

bool IsCursorSuppressed() {
  CURSORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetCursorInfo(&info)) return false;
  return (info.flags & CursorSuppressed) != 0;
}
