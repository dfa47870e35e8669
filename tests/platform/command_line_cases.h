#pragma once
// Command lines and the arguments the system gives a program for them (after its name): checked
// against SplitCommandLine natively, and against CommandLineToArgvW itself under Windows.
#include <string>
#include <vector>

struct TCommandLineCase {
  std::wstring Line;
  std::vector<std::wstring> Args;
};

inline const std::vector<TCommandLineCase>& CommandLineCases() {
  static const std::vector<TCommandLineCase> cases = {
      {L"Orvilla.exe", {}},
      {L"", {}},
      {L"Orvilla.exe a b", {L"a", L"b"}},
      {L"Orvilla.exe \t a\t\tb  \t", {L"a", L"b"}},
      {L"\"C:\\Program Files\\Orvilla.exe\" /DEBUG", {L"/DEBUG"}},
      {L"C:\\dir\\Orvilla.exe /COMMON -debug", {L"/COMMON", L"-debug"}},
      // A program name in quotes ends at the next quote, whatever follows it; a backslash there
      // escapes nothing.
      {L"\"C:\\a b\\\"x y", {L"x", L"y"}},
      {L"\"C:\\dir\\Orvilla.exe", {}},
      // Any other program name ends at the first blank, quotes or not.
      {L"C:\\\"a b\"\\Orvilla.exe x", {L"b\\Orvilla.exe x"}},
      {L" a b", {L"a", L"b"}},
      {L"Orvilla.exe \"a b\" c", {L"a b", L"c"}},
      {L"Orvilla.exe a\"b c\"d", {L"ab cd"}},
      {L"Orvilla.exe \"\" x \"\"", {L"", L"x", L""}},
      {L"Orvilla.exe a\"\"b", {L"ab"}},
      {L"Orvilla.exe \"unterminated part", {L"unterminated part"}},
      // Backslashes: literal unless they come before a quote.
      {L"Orvilla.exe a\\\\b\\ c\\\\ \\", {L"a\\\\b\\", L"c\\\\", L"\\"}},
      {L"Orvilla.exe \\\"", {L"\""}},
      {L"Orvilla.exe a\\\\\\\"b", {L"a\\\"b"}},
      {L"Orvilla.exe a\\\\\"b c\"", {L"a\\b c"}},
      {L"Orvilla.exe a\\\\\\\\\"b\"", {L"a\\\\b"}},
      {L"Orvilla.exe \"C:\\dir\\\\\" x", {L"C:\\dir\\", L"x"}},
      {L"Orvilla.exe \"a \\\"quoted\\\" word\"", {L"a \"quoted\" word"}},
      // Two quotes inside a quoted part: a literal quote, and the quoted part ends there.
      {L"Orvilla.exe \"a\"\"b\" c", {L"a\"b c"}},
      {L"Orvilla.exe \"a\"\" b\" c", {L"a\"", L"b c"}},
      {L"Orvilla.exe \"\"\"a\"\"\"", {L"\"a\""}},
      {L"Orvilla.exe \"\"\"\"", {L"\""}},
      {L"Orvilla.exe \"a\\\\\"\" b", {L"a\\\"", L"b"}},
  };
  return cases;
}
