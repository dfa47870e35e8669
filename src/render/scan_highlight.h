#pragma once
// The colours of switch scanning's highlight: a fill that stands out from the key faces of the
// colour scheme, and a legend and border colour readable on it. The scheme's own colours are not
// used, so that a highlighted key never looks like a latched one.
#include "render/colors.h"
#include "render/system_colors.h"

struct TScanColors {
  TColor Face = 0;
  TColor Border = 0;
  TColor Legend = 0;
};

// The two fills the highlight chooses from: a deep crimson for light keys, a bright yellow for
// dark ones.
constexpr TColor ScanFaceForLightKeys = RgbColor(0xA0, 0x10, 0x30);
constexpr TColor ScanFaceForDarkKeys = RgbColor(0xFF, 0xD4, 0x00);

// The contrast ratio of two RGB colours, 1 (the same) to 21 (black and white), from their
// relative luminance as the web's accessibility guidelines define it.
double ContrastRatio(TColor a, TColor b);

// An RGB colour of a colour value (system colours resolved).
TColor ResolveColor(TColor color, const TSystemColors& system);

// The highlight for keys of these faces (RGB): the fill whose weakest contrast with them is the
// higher, and black or white for legend and border, whichever is more readable on it.
TScanColors ScanHighlightColors(TColor keyFace, TColor fnFace, TColor cmdFace);
