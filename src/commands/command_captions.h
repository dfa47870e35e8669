#pragma once
// The captions of the program's commands (the command table's), translated into the
// user-interface language once when the keyboard window is created.
#include <array>
#include <cstdint>
#include <string>

#include "commands/command_table.h"

class TCommandCaptions {
 public:
  // The caption of a command ("About Orvilla" is followed by the version text).
  const std::wstring& Of(TCommandId id) const { return FCaptions[static_cast<unsigned>(id) - FirstCommandId]; }

 private:
  friend TCommandCaptions TranslateCommandCaptions(std::uint16_t uiLanguage, const std::wstring& versionText);
  std::array<std::wstring, LastCommandId - FirstCommandId + 1> FCaptions;
};

TCommandCaptions TranslateCommandCaptions(std::uint16_t uiLanguage, const std::wstring& versionText);
