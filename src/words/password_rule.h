#pragma once
// Whether a focused control hides what is typed: an edit control (a window class with "edit" in
// its name: Edit, RichEdit, the edit classes of other toolkits) with the password style.
#include <cstdint>
#include <string>

inline constexpr std::uint32_t EditPasswordStyle = 0x0020;  // ES_PASSWORD

bool IsPasswordEdit(const std::wstring& className, std::uint32_t style);
