#pragma once
// UTF-8 to and from UTF-16, for the user dictionary and the replay of text files.
#include <optional>
#include <string>
#include <string_view>

// Nothing when text is no well-formed UTF-8 (bad sequences, overlong forms, surrogates).
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
