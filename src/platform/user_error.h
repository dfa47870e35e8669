#pragma once
// An error whose text is meant for the user: the error box shows Message() as it is, in full
// Unicode (what() has only its ASCII characters). The settings store's TSettingsError is one.
#include <exception>
#include <string>

class TUserError : public std::exception {
 public:
  explicit TUserError(std::wstring message);
  const std::wstring& Message() const { return FMessage; }
  // The message with every character outside ASCII replaced by '?'.
  const char* what() const noexcept override { return FNarrow.c_str(); }

 private:
  std::wstring FMessage;
  std::string FNarrow;
};
