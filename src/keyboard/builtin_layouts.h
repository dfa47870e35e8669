#pragma once
// The built-in keyboard kinds: their layout texts and their list item names, numbered 1..LayoutCount.
#include <string>

// Number of built-in keyboard kinds; they are numbered 1..LayoutCount.
constexpr int LayoutCount = 6;

// The built-in text of keyboard kind `index`: kinds 2..6 give their own text, every other
// integer (0, negative, above 6) gives the text of kind 1.
const std::wstring& LayoutText(int index);

// The list item naming keyboard kind `index` ("Standard", "Standard + Arrows", "Compact",
// "Compact + Arrows", "Touch", "Narrow"); other integers give the name of kind 1, like LayoutText.
const std::wstring& LayoutListItem(int index);

// The constant texts and names; index 0 holds kind 1 ("Standard").
extern const wchar_t* const BuiltinLayoutNames[LayoutCount];
extern const wchar_t* const BuiltinLayoutTexts[LayoutCount];
