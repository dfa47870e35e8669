#pragma once
// The layout files' folders on Windows, listed and read through the file system.
#include "keyboard/layout_files.h"

class TWin32LayoutFileSystem : public TLayoutFileSystem {
 public:
  std::optional<std::vector<TLayoutFileEntry>> ListLayoutFiles(const std::wstring& folder) override;
  // Reads at most one byte more than LayoutFileMaxBytes, so that a file that grew is still refused.
  std::optional<std::string> ReadFileBytes(const std::wstring& path) override;
};
