#pragma once
// One section of an INI file read whole, answering each name as the system's profile functions
// answer a read of that one name: names match without regard to case, the first line of a name
// counts, the spaces around a name and a value are dropped, a value in matching quotes (" or ')
// loses them, and a line without "=" names a key without a value, which reads as absent.
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TIniSection {
 public:
  // The section's lines, "name=value" each, as the profile functions list a section.
  explicit TIniSection(const std::vector<std::wstring>& lines);

  // The value of name; none when the section holds no value under that name.
  std::optional<std::wstring> Find(const std::wstring& name) const;

 private:
  // The names with their values, in the order of the lines.
  std::vector<std::pair<std::wstring, std::optional<std::wstring>>> FEntries;
};
