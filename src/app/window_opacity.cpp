#include "app/window_opacity.h"

#include "settings/settings_table.h"

std::uint8_t AppliedOpacity(int transparency) {
  return static_cast<std::uint8_t>(ClampSetting(TSettingId::Transparency, transparency));
}
