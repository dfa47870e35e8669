#pragma once
// The error raised when the settings store cannot write a value. It carries the text
// shown to the user in the standard error box.
#include <exception>
#include <string>

class TSettingsError : public std::exception {
 public:
  explicit TSettingsError(std::wstring message);
  const std::wstring& Message() const { return FMessage; }
  // The message with every character outside ASCII replaced by '?'.
  const char* what() const noexcept override { return FNarrow.c_str(); }

 private:
  std::wstring FMessage;
  std::string FNarrow;
};
