#include "platform/user_error.h"

#include <utility>

TUserError::TUserError(std::wstring message) : FMessage(std::move(message)) {
  FNarrow.reserve(FMessage.size());
  for (const wchar_t c : FMessage) FNarrow += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
}
