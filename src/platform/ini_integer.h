#pragma once
// How an integer stored as text in the INI file is read back.
#include <optional>
#include <string>

// Decimal text with an optional minus sign, or hexadecimal after "0x" (any case) or "$", the
// hexadecimal digits giving the 32-bit pattern ("0xFFFFFFFF" is -1). Anything else, including a
// decimal number outside the 32-bit range and surrounding spaces, is no integer.
std::optional<int> ParseIniInteger(const std::wstring& text);
