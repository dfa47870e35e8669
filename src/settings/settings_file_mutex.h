#pragma once
// The name of the kernel mutex that every copy of the program takes around its writes of one
// settings file (and the reads those writes rest on), so that two copies sharing the file never
// interleave their rewrites of it.
#include <string>

// The longest name the system takes for a kernel object, in characters.
constexpr std::size_t MaxKernelObjectName = 259;

// Derived from the file's full path, so that every copy names the same file the same way: letter
// case folded (file names are not case-sensitive), backslashes, which a name may not hold, as
// slashes. A path too long for a name is replaced by a hash of it.
std::wstring SettingsFileMutexName(const std::wstring& fullPath);
