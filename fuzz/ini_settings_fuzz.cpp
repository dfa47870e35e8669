// The INI integer rules and the settings reads on any stored text: lines "name=value" (LF
// separated) become the section "Main" of an INI file, or, when the first byte is odd, values of
// the registry key (the value's bytes as data, a first byte 'D' making it a REG_DWORD). Every read
// answers a number, the stored placement always leaves a usable window on the monitor, and the
// applied opacity stays visible.
#include <cstdlib>
#include <cstring>

#include "app/window_opacity.h"
#include "fuzz_input.h"
#include "platform/ini_integer.h"
#include "settings/app_ini.h"
#include "settings/fake_settings_backends.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

const std::wstring Ini = L"C:\\Orvilla\\Orvilla.ini";

// Decimal text that reads as a number reads back the same from its own decimal form.
void CheckRoundTrip(const std::wstring& text) {
  const auto value = ParseIniInteger(text);
  if (!value) return;
  Check(ParseIniInteger(std::to_wstring(*value)) == value);
}

TFakeRegistryValue RegistryValue(const std::wstring& text) {
  TFakeRegistryValue value;
  value.IsDword = !text.empty() && text[0] == L'D';
  const std::wstring data = value.IsDword ? text.substr(1) : text;
  value.Size = static_cast<std::uint32_t>(data.size());
  for (std::size_t i = 0; i < data.size() && i < 4; ++i)
    value.Data |= static_cast<std::uint32_t>(data[i] & 0xFF) << (8 * i);
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool registryStore = (data[0] & 1) != 0;
  TFakeIniDisk disk;
  TFakeRegistryData registry;
  for (const std::wstring& line : FuzzLines(data + 1, size - 1, '\n')) {
    const std::size_t eq = line.find(L'=');
    if (eq == std::wstring::npos) continue;
    const std::wstring name = line.substr(0, eq), value = line.substr(eq + 1);
    CheckRoundTrip(value);
    if (registryStore)
      registry.Key(TRegistryRoot::CurrentUser)[name] = RegistryValue(value);
    else
      disk.Value(Ini, name) = value;
  }

  TAppIni ini(std::make_unique<TFakeRegistry>(registry), disk.Factory(), false);
  if (!registryStore) ini.SetIniFileName(Ini);
  for (const TSettingDef& setting : SettingsTable) LimitSetting(setting.Id, ini.Read(setting.Id));
  const int opacity = AppliedOpacity(ini.Read(TSettingId::Transparency));
  Check(opacity >= Setting(TSettingId::Transparency).Min && opacity <= Setting(TSettingId::Transparency).Max);

  TFakePlacementWindow form;
  ini.LoadFormPlacement(form, false);
  Check(form.FWidth >= MinUsableWindowWidth && form.FHeight >= MinUsableWindowHeight);
  Check(form.FWidth <= 1920 && form.FHeight <= 1080);
  Check(static_cast<long long>(form.FLeft) + form.FWidth > 0 && form.FLeft < 1920);
  Check(static_cast<long long>(form.FTop) + form.FHeight > 0 && form.FTop < 1080);
  return 0;
}
