#pragma once
// The built-in keyboard kinds: their layout texts and their list item names, numbered 1..LayoutCount.
#include <string>

// Number of built-in keyboard kinds; they are numbered 1..LayoutCount.
constexpr int LayoutCount = 8;

// The built-in text of keyboard kind `index`: kinds 2..LayoutCount give their own text, every
// other integer (0, negative, above LayoutCount) gives the text of kind 1.
const std::wstring& LayoutText(int index);

// The list item naming keyboard kind `index` ("Standard", "Standard + Arrows", "Compact",
// "Compact + Arrows", "Touch", "Narrow", "Full", "Numeric pad"); other integers give the name of
// kind 1, like LayoutText.
//
// "Full" and "Numeric pad" have the keypad Enter: key 13 with a two-part outline, the main Enter
// before the separator point (-1,-1) and the keypad Enter after it (in "Numeric pad" the first
// part is empty). A press on the part after the separator is sent with the extended flag, which
// is how the system tells the keypad Enter from the main one; both share VK_RETURN.
const std::wstring& LayoutListItem(int index);

// The constant texts and names; index 0 holds kind 1 ("Standard").
extern const wchar_t* const BuiltinLayoutNames[LayoutCount];
extern const wchar_t* const BuiltinLayoutTexts[LayoutCount];
