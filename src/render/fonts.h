#pragma once
// Legend fonts: which faces are installed, the faces and styles chosen at start-up, the point
// sizes derived from the size of the keys, the symbol glyphs of a few keys, and the drawing of
// one legend line.
#include <optional>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "render/canvas.h"

// Availability of the faces the legends may use; set once by DetectFonts. A flag that is
// overruled by a preferred face is left false and never consulted.
extern bool HasSegoeUIVariableText;
extern bool HasSegoeUI;
extern bool HasTahoma;
extern bool HasSegoeFluentIcons;
extern bool HasSegoeUISymbol;
extern bool HasWingdings;

// Sets the six flags from the names of the installed faces (letter case ignored). The Windows
// program asks the system about the faces of LegendFontCandidates only (render/win32/font_enum.h);
// other faces in the list change nothing.
void DetectFonts(const std::vector<std::wstring>& installedFaces);

// The faces DetectFonts looks for, in no particular order.
const std::vector<std::wstring>& LegendFontCandidates();

// The text face the flags allow: Segoe UI Variable Text, Segoe UI, Tahoma, else Arial.
std::wstring LegendFontFace();

// Start-up font choice: both legend faces := LegendFontFace(), both styles bold, name size 8 and
// character size 10 (until UpdateLegendFontSizes runs).
void ChooseLegendFonts();

// Derives Theme.CharFontSize and Theme.NameFontSize from the Escape key's size in pixels of the
// keyboard image (its GetWidth and GetHeight) and the screen's pixels per inch.
void UpdateLegendFontSizes(int escapeWidth, int escapeHeight, int screenPpi);

// The name size that goes with a character size: charSize / 1.2 rounded as the legend sizing
// has always rounded it, at least 3.
int NameFontSizeFor(int charFontSize);

// The symbol glyph a key shows instead of its name: the face, the one character, and the points
// added to the name size.
struct TKeyGlyph {
  std::wstring FontName;
  wchar_t Char = 0;
  int SizeIncrement = 0;
};

// The glyph for the key whose name is drawn (nameVk): Backspace, the arrows, and Apps while no key
// is pressed (pressedCount = 0), from the first installed symbol face; nothing otherwise.
std::optional<TKeyGlyph> KeyGlyph(int nameVk, int pressedCount);

// Draws one line of legend text in r with the canvas's current font, colour and brush style.
void DrawTextFmt(TCanvas& canvas, const TRect& r, const std::wstring& text, TTextFormat format);
