#pragma once
// A canvas that passes every call on to a real one and adds up, per kind of call, how many there
// were and how long they took; surfaces and a factory that give the keyboard such canvases. Text
// calls that follow a change of face, size or style are counted apart: that is where the GDI
// canvas makes and selects a new font.
#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "bench_timing.h"
#include "render/canvas.h"
#include "render/win32/gdi_canvas.h"

enum class TCanvasCall {
  Rectangle,
  Polygon,
  FillRect,
  TextExtent,
  TextExtentNewFont,
  DrawText,
  DrawTextNewFont,
  Draw,
  Settings,
  Count
};

struct TCanvasProfile {
  std::array<long long, static_cast<int>(TCanvasCall::Count)> Calls{};
  std::array<double, static_cast<int>(TCanvasCall::Count)> Ms{};

  void Clear() { *this = TCanvasProfile{}; }
  void Add(TCanvasCall call, double ms) {
    ++Calls[static_cast<int>(call)];
    Ms[static_cast<int>(call)] += ms;
  }
  double TotalMs() const {
    double total = 0;
    for (double ms : Ms) total += ms;
    return total;
  }
  // One line per kind of call: calls and milliseconds per run of runs.
  void Print(const char* title, int runs) const;
};

class TProfilingCanvas : public TCanvas {
 public:
  TProfilingCanvas(TCanvas& inner, TCanvasProfile& profile) : FInner(inner), FProfile(profile) {}

  void SetPenColor(TColor color) override {
    Timed(TCanvasCall::Settings, [&] { FInner.SetPenColor(color); });
  }
  void SetBrushColor(TColor color) override {
    Timed(TCanvasCall::Settings, [&] { FInner.SetBrushColor(color); });
  }
  void SetBrushStyle(TBrushStyle style) override {
    Timed(TCanvasCall::Settings, [&] { FInner.SetBrushStyle(style); });
  }
  void Rectangle(const TRect& r) override {
    Timed(TCanvasCall::Rectangle, [&] { FInner.Rectangle(r); });
  }
  void Polygon(const std::vector<TPoint>& points) override {
    Timed(TCanvasCall::Polygon, [&] { FInner.Polygon(points); });
  }
  void FillRect(const TRect& r) override {
    Timed(TCanvasCall::FillRect, [&] { FInner.FillRect(r); });
  }
  void SetFontName(const std::wstring& face) override {
    if (face != FFace) FNewFont = true;
    FFace = face;
    Timed(TCanvasCall::Settings, [&] { FInner.SetFontName(face); });
  }
  void SetFontSize(int pointSize) override {
    if (pointSize != FSize) FNewFont = true;
    FSize = pointSize;
    Timed(TCanvasCall::Settings, [&] { FInner.SetFontSize(pointSize); });
  }
  void SetFontStyle(TFontStyles style) override {
    if (style != FStyle) FNewFont = true;
    FStyle = style;
    Timed(TCanvasCall::Settings, [&] { FInner.SetFontStyle(style); });
  }
  void SetFontColor(TColor color) override {
    Timed(TCanvasCall::Settings, [&] { FInner.SetFontColor(color); });
  }
  bool HasGlyph(wchar_t ch) override { return FInner.HasGlyph(ch); }
  TTextSize TextExtent(const std::wstring& text) override {
    TTextSize size;
    Timed(FontCall(TCanvasCall::TextExtent, TCanvasCall::TextExtentNewFont), [&] { size = FInner.TextExtent(text); });
    return size;
  }
  void DrawTextInRect(const TRect& r, const std::wstring& text, TTextFormat format) override {
    Timed(FontCall(TCanvasCall::DrawText, TCanvasCall::DrawTextNewFont),
          [&] { FInner.DrawTextInRect(r, text, format); });
  }
  void Draw(int x, int y, TSurface& source) override;
  void CopyRect(const TRect& r, TSurface& source) override;
  void ClipTo(const std::vector<TRect>& rects) override {
    Timed(TCanvasCall::Settings, [&] { FInner.ClipTo(rects); });
  }
  void ResetClip() override {
    Timed(TCanvasCall::Settings, [&] { FInner.ResetClip(); });
  }

 private:
  TCanvasCall FontCall(TCanvasCall same, TCanvasCall changed) {
    const bool fresh = FNewFont;
    FNewFont = false;
    return fresh ? changed : same;
  }
  template <typename F>
  void Timed(TCanvasCall call, F&& body) {
    const long long start = FClock.Now();
    body();
    FProfile.Add(call, FClock.Between(start, FClock.Now()));
  }

  TCanvas& FInner;
  TCanvasProfile& FProfile;
  TClockMs FClock;
  // The font of the inner canvas as a new TGdiCanvas starts with it.
  std::wstring FFace = L"Tahoma";
  int FSize = 8;
  TFontStyles FStyle;
  bool FNewFont = true;
};

// A surface whose canvas is profiled; it wraps an owned GDI surface or a surface it is lent.
class TProfilingSurface : public TSurface {
 public:
  TProfilingSurface(TCanvasProfile& profile, std::unique_ptr<TSurface> owned)
      : FOwned(std::move(owned)), FInner(*FOwned), FCanvas(FInner.Canvas(), profile) {}
  TProfilingSurface(TCanvasProfile& profile, TSurface& lent) : FInner(lent), FCanvas(FInner.Canvas(), profile) {}

  void SetSize(int width, int height) override { FInner.SetSize(width, height); }
  int Width() const override { return FInner.Width(); }
  int Height() const override { return FInner.Height(); }
  TCanvas& Canvas() override { return FCanvas; }
  TSurface& Inner() { return FInner; }

 private:
  std::unique_ptr<TSurface> FOwned;
  TSurface& FInner;
  TProfilingCanvas FCanvas;
};

inline void TProfilingCanvas::Draw(int x, int y, TSurface& source) {
  // The GDI canvas copies only from GDI surfaces: hand it the wrapped one.
  auto* wrapped = dynamic_cast<TProfilingSurface*>(&source);
  TSurface& real = wrapped ? wrapped->Inner() : source;
  Timed(TCanvasCall::Draw, [&] { FInner.Draw(x, y, real); });
}

inline void TProfilingCanvas::CopyRect(const TRect& r, TSurface& source) {
  auto* wrapped = dynamic_cast<TProfilingSurface*>(&source);
  TSurface& real = wrapped ? wrapped->Inner() : source;
  Timed(TCanvasCall::Draw, [&] { FInner.CopyRect(r, real); });
}

class TProfilingSurfaceFactory : public TSurfaceFactory {
 public:
  explicit TProfilingSurfaceFactory(TCanvasProfile& profile) : FProfile(profile) {}
  std::unique_ptr<TSurface> CreateSurface() override {
    return std::make_unique<TProfilingSurface>(FProfile, std::make_unique<TGdiSurface>());
  }

 private:
  TCanvasProfile& FProfile;
};

inline void TCanvasProfile::Print(const char* title, int runs) const {
  static const char* const names[] = {"Rectangle",
                                      "Polygon",
                                      "FillRect",
                                      "TextExtent",
                                      "TextExtent after a font change",
                                      "DrawTextExW",
                                      "DrawTextExW after a font change",
                                      "Draw (BitBlt)",
                                      "pen/brush/font settings"};
  std::printf("%s (per run, %d runs): %.3f ms inside the canvas\n", title, runs, TotalMs() / runs);
  for (int i = 0; i < static_cast<int>(TCanvasCall::Count); ++i) {
    if (Calls[i] == 0) continue;
    std::printf("    %-34s %7.1f calls %8.3f ms  %7.2f us each\n", names[i], static_cast<double>(Calls[i]) / runs,
                Ms[i] / runs, 1000.0 * Ms[i] / Calls[i]);
  }
  std::fflush(stdout);
}
