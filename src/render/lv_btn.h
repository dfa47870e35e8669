#pragma once
// One key of the on-screen keyboard: its virtual-key code, its outline (a rectangle given by two
// corners, or a polygon), its pressed and hot states, hit testing and drawing.
//
// Keys are created and owned by the keyboard control (TLvKeyboard), which alone changes their
// pressed state; they draw on its image canvas with the colours and fonts of Theme and
// read the rest of what they show through the keyboard's drawing context.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "render/canvas.h"
#include "render/colors.h"
#include "render/key_draw_context.h"

class TLvKeyboard;

class TLvBtn {
 public:
  // The point (-1, -1) in a polygon outline separates the main part from the extended part.
  static constexpr TPoint Separator{-1, -1};
  // Most points one outline may have.
  static constexpr int MaxPoints = 255;
  // Outline coordinates are held within -MaxCoordinate..MaxCoordinate pixels, far beyond any
  // screen, so that the sums and differences of drawing and hit testing stay in the int range.
  static constexpr int MaxCoordinate = 1 << 24;
  // A coordinate limited to that range (the nearest end for anything beyond it).
  static int LimitCoordinate(long double value);

  // points is the outline in layout units, each coordinate limited to MaxCoordinate; one of more
  // than MaxPoints points leaves the key without an outline. The new key is its own place key
  // and paints itself if the keyboard's painting is enabled. context is the keyboard the key
  // belongs to.
  TLvBtn(const TKeyDrawContext& context, std::uint8_t keyCode, TCanvas& canvas, const std::vector<TPoint>& points);
  TLvBtn(const TLvBtn&) = delete;
  TLvBtn& operator=(const TLvBtn&) = delete;

  std::uint8_t Code() const { return FKeyCode; }
  bool Pressed() const { return FPressed; }
  bool Hot() const { return FHot; }
  // Highlighted by switch scanning: drawn in the scan colours of Theme.
  bool ScanHighlighted() const { return FScan; }
  // Which part of a two-part outline the pointer is on (for Enter: the numeric-pad one).
  bool Extended() const { return FExtended; }
  void SetExtended(bool value) { FExtended = value; }
  // The key whose outline this key is drawn in and hit-tested against; none hides the key.
  TLvBtn* PlaceKey() const { return FPlaceKey; }
  // Whether the key is drawn: its place has an outline.
  bool Drawn() const { return FPlaceKey && FPlaceKey->FPoints.size() >= 2; }
  void SetPlaceKey(TLvBtn* key) { FPlaceKey = key; }
  // The outline in pixels of the keyboard image, and in layout units.
  const std::vector<TPoint>& Points() const { return FPoints; }
  const std::vector<TPoint>& LayoutPoints() const { return FLayoutPoints; }
  int PointCount() const { return static_cast<int>(FPoints.size()); }

  // Hot state (the key under the pointer); repaints the key (also when the value does not change).
  void SetHot(bool value);
  // How far the hover time has run on this key, 0 to 1000 (0 shows nothing): a bar in the pressed
  // colour grows along the key's bottom. Repaints the key when the value changes; returns whether
  // it did.
  bool SetHoverProgress(int permille);
  int HoverProgress() const { return FHoverProgress; }

  // Chooses pen, brush and legend colours for a state and a colour class code.
  void SetColors(TCanvas& canvas, bool pressed, bool hot, std::uint8_t classVk);
  // What the last SetColors chose: the legend colours and whether the key is drawn pressed.
  TColor NameColor() const { return FNameColor; }
  TColor CharColor() const { return FCharColor; }
  bool DrawnPressed() const { return FDrawPressed; }
  // Draws the key on canvas: with outlineOnly the outline in the colours set before, otherwise
  // the outline (where its drawn state changed) and the legend in the key's current state.
  void PaintTo(TCanvas& canvas, bool outlineOnly);
  // PaintTo the keyboard's image canvas when the keyboard's painting is enabled.
  void Paint();

  // Whether (x, y), in pixels of the keyboard image, lies on the place key's outline. extended
  // tells which part of a two-part outline was hit (the key's Extended() for one-part outlines).
  bool HitTest(int x, int y) const;
  bool HitTest(int x, int y, bool& extended) const;

  // Geometry of the key's own outline in pixels (0 without points).
  int GetLeft() const;
  int GetTop() const;
  int GetWidth() const;
  int GetHeight() const;

  // The rectangle that the legend is drawn into, in the key's current state (empty when the key
  // has no place or fewer than 2 points). Each part of a two-part outline (0 before the separator
  // point, 1 after it) has its own legend; the other outlines have part 0 only.
  TRect LegendRect(int part = 0);

  // Whether the key would look different from its last paint on the image: another drawn state,
  // legend, name, glyph or place. Colour schemes and font sizes are not compared: their changes
  // redraw the whole keyboard.
  bool NeedsRepaint() const;
  // Whether the key was last painted in another place's outline than it has now.
  bool PlaceChangedSincePaint() const { return FShown.Place != FPlaceKey; }
  // The part of the image the key's picture covers, as last painted and as it would be painted
  // now: its place's outline and its legend rectangles (empty without a place or outline).
  TRect PaintBounds();

  // Whether (x, y) lies inside an outline given as points (rectangle for 2 points, even-odd
  // polygon for more; one point is never inside).
  static bool PointInOutline(const std::vector<TPoint>& points, int x, int y);

 private:
  // The keyboard changes what the key shows: pressed and hot state, the outline's scale.
  friend class TLvKeyboard;

  // Legend rectangle: L, T, R, B and the centre cx, cy.
  struct TLegendBox {
    int L = 0, T = 0, R = 0, B = 0, cx = 0, cy = 0;
  };

  // What decides the key's picture besides the colour scheme and the fonts.
  struct TLook {
    const TLvBtn* Place = nullptr;
    bool DrawPressed = false;
    bool Hot = false;
    bool Scan = false;
    bool Pressed = false;  // moves the legend
    bool Glyph = false;
    std::wstring Text;
    friend bool operator==(const TLook& a, const TLook& b) {
      return a.Place == b.Place && a.DrawPressed == b.DrawPressed && a.Hot == b.Hot && a.Scan == b.Scan &&
             a.Pressed == b.Pressed && a.Glyph == b.Glyph && a.Text == b.Text;
    }
  };

  // The legend box of one hot state, kept until the outline, the place or (for a box that
  // needed the name measured) the name font or the name changes.
  struct TLegendCache {
    bool Valid = false;
    const TLvBtn* Place = nullptr;
    unsigned Generation = 0;
    bool Measured = false;
    std::wstring FontName;
    int FontSize = 0;
    TFontStyles FontStyle;
    std::wstring Name;
    TLegendBox Box;
  };

  // Whether a key name is too wide for its rectangle, kept for one font, name and width.
  struct TFitCache {
    bool Valid = false;
    std::wstring FontName;
    int FontSize = 0;
    TFontStyles FontStyle;
    std::wstring Name;
    int Width = 0;
    bool TooWide = false;
  };

  // Pressed state as the keyboard sets it; the keyboard repaints.
  void SetPressedState(bool value) { FPressed = value; }
  // Hover state without a repaint.
  void SetHotState(bool value) { FHot = value; }
  // Scan highlight without a repaint.
  void SetScanState(bool value) { FScan = value; }
  // Over the colours SetColors chose: the scan colours, when the key is highlighted.
  void SetScanColors(TCanvas& canvas);
  // Forgets which state the outline was last drawn in, so that the next paint draws it.
  void ForgetDrawnShape();
  // Places the outline at its layout points times the factors (rounded up, x and y separately).
  void ScaleOutline(long double fx, long double fy);
  // Paint, with the legend drawn only where it meets one of the rectangles (the image is clipped
  // to them).
  void PaintWithin(const std::vector<TRect>& region);
  TLook CurrentLook() const;
  // The legend box of the place's outline for a hover state, before a pressed key's offset.
  bool BaseLegendBox(TCanvas& canvas, bool hot, TLegendBox& box, int part);

  void SetPoints(const std::vector<TPoint>& points);
  void DrawOutline(TCanvas& canvas, const std::vector<TPoint>& points, bool force);
  void DrawFace(TCanvas& canvas, const std::vector<TPoint>& points, const std::vector<TRect>* region = nullptr);
  void DrawHoverProgress(TCanvas& canvas, const std::vector<TPoint>& points);
  bool ComputeLegendBox(TCanvas& canvas, bool hot, bool pressed, TLegendBox& box, int part);
  // Whether the legend box needed the key name measured.
  bool FitTextRect(TCanvas& canvas, const std::vector<TPoint>& points, bool hot, TLegendBox& box);
  void ComputeBounds(const std::vector<TPoint>& points, TLegendBox& box) const;
  void ShrinkCorners(TLegendBox& box) const;
  void ClipByVertices(const std::vector<TPoint>& points, TLegendBox& box) const;
  void ShiftByVertices(const std::vector<TPoint>& points, TLegendBox& box) const;
  bool CentreTextRect(TCanvas& canvas, bool hot, TLegendBox& box);
  bool AllCornersInside(const TLegendBox& box) const;
  bool DrawName(TCanvas& canvas, const TRect& textRect);
  void DrawChars(TCanvas& canvas, const TRect& textRect);
  // 0.9 for the pressed colours, 1.1 for the hot ones, else 1.
  long double SizeFactor() const;
  // The configured name style below the bold limit, regular from it on.
  TFontStyles NameStyle() const;

  std::uint8_t FKeyCode;
  bool FPressed = false;
  bool FHot = false;
  bool FScan = false;
  TCanvas* FCanvas;
  const TKeyDrawContext& FContext;
  TLvBtn* FPlaceKey;
  bool FExtended;
  TColor FNameColor = 0;
  TColor FCharColor = 0;
  bool FDrawPressed = false;
  bool FDrawHot = false;
  bool FDrawScan = false;
  bool FShapePressed = false;
  bool FShapeHot = false;
  bool FShapeScan = false;
  int FHoverProgress = 0;
  // The face must be drawn again at the next paint (a hover bar grew shorter).
  bool FFaceStale = false;
  std::vector<TPoint> FPoints;
  std::vector<TPoint> FLayoutPoints;
  // Counts the changes of FPoints, so that keys drawn in this outline know their boxes are old.
  unsigned FGeneration = 0;
  TLook FShown;
  // The parts of an outline (two at most: before and after the separator point).
  static constexpr int OutlineParts = 2;
  std::array<std::array<TLegendCache, 2>, OutlineParts> FLegendCache;  // per part: not hot, hot
  TFitCache FFitCache;
};
