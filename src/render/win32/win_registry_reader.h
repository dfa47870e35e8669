#pragma once
// Reads 32-bit values of the current user's registry with the Windows registry functions.
#include "render/registry_reader.h"

class TWinRegistryReader : public TRegistryReader {
 public:
  std::optional<std::uint32_t> ReadCurrentUserDword(const std::wstring& keyPath,
                                                    const std::wstring& valueName) const override;
};
