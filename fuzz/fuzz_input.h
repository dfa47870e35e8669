#pragma once
// Turning a fuzzer's bytes into the program's text: every byte one character (Latin-1), which is
// all the readers below look at, and splitting the bytes at a separator byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline std::wstring FuzzText(const std::uint8_t* data, std::size_t size) { return std::wstring(data, data + size); }

inline std::vector<std::wstring> FuzzLines(const std::uint8_t* data, std::size_t size, std::uint8_t separator) {
  std::vector<std::wstring> lines(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == separator)
      lines.emplace_back();
    else
      lines.back() += static_cast<wchar_t>(data[i]);
  }
  return lines;
}
