#pragma once
// Reading a string of a version resource (the VS_VERSIONINFO block the resource compiler writes)
// without the system's version library: the program reads its own resource from memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The text of the value `name` in the string table `table` (its language and code page in hex, as
// "040904E4") of the block's StringFileInfo; empty when the block has no such value. Keys compare
// without regard to the letter case of ASCII letters, as the system's lookup does. The text is
// the value's UTF-16 units up to its terminating zero, one wchar_t each.
//
// Only the `size` bytes at `data` are read: a truncated or malformed block (a length that runs past
// its parent or the data, a key without its terminating zero) yields what is found before the fault,
// or an empty text, never a read beyond the data.
std::wstring VersionResourceString(const std::uint8_t* data, std::size_t size, std::wstring_view table,
                                   std::wstring_view name);
