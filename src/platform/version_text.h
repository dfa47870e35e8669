#pragma once
#include <string>

// The version text shown to the user: the file version without trailing ".0" groups; when that
// leaves fewer than 4 characters, the product version instead.
std::wstring VersionTextFrom(const std::wstring& fileVersion, const std::wstring& productVersion);
