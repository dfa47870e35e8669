#include "keyboard/keyboard_types.h"

#include <algorithm>
#include <optional>

#include "platform/ini_integer.h"
#include "platform/text_helpers.h"


int TKeyboardTypes::TypeOfStored(const std::wstring& stored) const {
  // A number is read as the settings store reads every number (decimal or hexadecimal).
  if (const std::optional<int> number = ParseIniInteger(stored)) return *number > LayoutCount ? 1 : *number;
  for (std::size_t i = 0; i < FFiles.size(); ++i) {
    if (EqualIgnoringCase(FFiles[i].Name, stored)) return LayoutCount + 1 + static_cast<int>(i);
  }
  return 1;
}

std::wstring TKeyboardTypes::StoredValue(int type) const {
  return IsFileType(type) ? FFiles[static_cast<std::size_t>(type - LayoutCount - 1)].Name : std::to_wstring(type);
}

std::wstring TKeyboardTypes::ListItem(int type) const {
  return IsFileType(type) ? FFiles[static_cast<std::size_t>(type - LayoutCount - 1)].Name : LayoutListItem(type);
}

const std::wstring& TKeyboardTypes::Text(int type) const {
  return IsFileType(type) ? FFiles[static_cast<std::size_t>(type - LayoutCount - 1)].Text : LayoutText(type);
}

int TKeyboardTypes::Next(int type) const { return type >= 1 && type < Count() ? type + 1 : 1; }
