#pragma once
// Small string and path helpers shared by the layout parser and the settings store.
#include <string>

// 1-based position of the first occurrence in s of the first delimiter (in the order given) that
// occurs at all; 0 when none occurs. The delimiter order decides, not the position in s.
int FirstDelimiterPos(const std::wstring& s, const std::wstring& delimiters);

// The text before / after that delimiter. A text without any of the delimiters yields itself from
// both; an empty text yields an empty text.
std::wstring TextBefore(const std::wstring& s, const std::wstring& delimiters);
std::wstring TextAfter(const std::wstring& s, const std::wstring& delimiters);

// Whether a and b are the same text but for the case of their letters.
bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b);

// folder + "\" + name, without doubling a trailing backslash; an empty folder yields name.
std::wstring PathCombine(const std::wstring& folder, const std::wstring& name);
