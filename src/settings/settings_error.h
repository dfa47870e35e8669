#pragma once
// The error raised when the settings store cannot write a value. It carries the text
// shown to the user in the standard error box.
#include "platform/user_error.h"

class TSettingsError : public TUserError {
 public:
  using TUserError::TUserError;
};
