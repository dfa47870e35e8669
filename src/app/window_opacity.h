#pragma once
// The opacity a value of the setting Transparency is shown with.
#include <cstdint>

// The layered-window alpha the window is drawn with for a transparency value: the value limited
// to the setting's range (255 is fully opaque), so that no stored value makes the keyboard
// invisible (and click-through). The value itself is kept as it is until the user changes it.
std::uint8_t AppliedOpacity(int transparency);
