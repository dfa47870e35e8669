#pragma once
// The process's environment variables: the one place that reads them.
#include <string>

// The value of an environment variable; empty when it is not set (or set to nothing).
std::wstring EnvironmentVariable(const wchar_t* name);
// Whether an environment variable is set, to anything.
bool EnvironmentVariableSet(const wchar_t* name);
