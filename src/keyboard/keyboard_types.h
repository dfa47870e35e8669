#pragma once
// The keyboard types the user can choose: the built-in layouts, numbered 1..LayoutCount, then the
// layouts from files, numbered on from LayoutCount + 1 in the order they were read.
//
// The setting "Keyboard" stores a built-in layout by its number and a file layout by its name, so
// that adding or removing a file does not change which layout a stored value means.
#include <string>
#include <vector>

#include "keyboard/builtin_layouts.h"
#include "keyboard/layout_files.h"

class TKeyboardTypes {
 public:
  TKeyboardTypes() = default;
  explicit TKeyboardTypes(std::vector<TFileLayout> files) : FFiles(std::move(files)) {}

  // Built-in and file layouts together.
  int Count() const { return LayoutCount + static_cast<int>(FFiles.size()); }
  bool IsFileType(int type) const { return type > LayoutCount && type <= Count(); }
  const std::vector<TFileLayout>& Files() const { return FFiles; }

  // The type a stored value names. A number is a built-in layout, kept as given up to LayoutCount
  // (a lower one shows layout 1) and 1 above it; a name is the file layout of that name (letter
  // case ignored), and 1 ("Standard") when no file has that name any more.
  int TypeOfStored(const std::wstring& stored) const;
  // The value stored for a type: its number for a built-in layout, the name for a file layout.
  std::wstring StoredValue(int type) const;
  // The list item of a type (the built-in names as LayoutListItem gives them, untranslated).
  std::wstring ListItem(int type) const;
  // The layout text of a type; built-in numbers outside the range give layout 1's text.
  const std::wstring& Text(int type) const;
  // The type the command "Change keyboard type" goes on to: every built-in layout, then the file
  // layouts, then 1 again; a type outside the range is followed by 1.
  int Next(int type) const;

 private:
  std::vector<TFileLayout> FFiles;
};
