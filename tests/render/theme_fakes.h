#pragma once
// Test doubles for what the colour schemes read from Windows: system colours and the registry.
#include <functional>
#include <map>
#include <utility>

#include "render/registry_reader.h"
#include "render/system_colors.h"

// System colours by COLOR_ index (unknown indexes are black); NearestColor applies Nearest, which
// returns the colour unchanged unless a test replaces it.
class FakeSystemColors : public TSystemColors {
 public:
  TColor SysColorRgb(int index) const override {
    const auto it = Colors.find(index);
    return it == Colors.end() ? 0 : it->second;
  }
  TColor NearestColor(TColor rgb) const override { return Nearest(rgb); }

  std::map<int, TColor> Colors;
  std::function<TColor(TColor)> Nearest = [](TColor c) { return c; };
};

// REG_DWORD values under HKEY_CURRENT_USER by (key path, value name); absent ones read as nothing.
class FakeRegistryReader : public TRegistryReader {
 public:
  std::optional<std::uint32_t> ReadCurrentUserDword(const std::wstring& keyPath,
                                                    const std::wstring& valueName) const override {
    const auto it = Values.find({keyPath, valueName});
    if (it == Values.end()) return std::nullopt;
    return it->second;
  }

  std::map<std::pair<std::wstring, std::wstring>, std::uint32_t> Values;
};

// Where Windows keeps the two values the schemes follow.
inline const std::wstring DwmKey = L"Software\\Microsoft\\Windows\\DWM";
inline const std::wstring PersonalizeKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
