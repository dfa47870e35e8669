// Writes the seed corpus of every fuzz target into a folder: the built-in layouts for the layout
// targets, and a few typical values for the settings and the command line.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "keyboard/builtin_layouts.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& folder, const std::string& name, const std::string& bytes) {
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary) << bytes;
}

// The bytes of a literal, NUL bytes included.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: orvilla_fuzz_seeds <corpus folder>\n";
    return 2;
  }
  const fs::path root = argv[1];
  for (int i = 0; i < LayoutCount; ++i) {
    const std::string text = Narrow(BuiltinLayoutTexts[i]);
    const std::string name = "builtin" + std::to_string(i + 1);
    Write(root / "layout_text", name, text);
    // 883 x 363, about twice the size of "Standard".
    Write(root / "layout_draw", name, Bytes("\x72\x03\x6a\x01") + text);
  }
  Write(root / "ini_settings", "typical",
        Bytes("\x00Keyboard=2\nColors=3\nAlphaBlend=180\nTMainFormTop=600\nTMainFormLeft=300\n"
              "TMainFormHeight=280\nTMainFormWidth=700\nTMainFormState=0\nFitWidth=1"));
  Write(root / "ini_settings", "numbers",
        Bytes("\x00Keyboard=0x7FFFFFFF\nColors=$ff\nAlphaBlend=-2147483648\nTMainFormTop=2147483648"));
  Write(root / "ini_settings", "registry",
        Bytes("\x01Keyboard=D\x02\x00\x00\x00\nColors=2\nAlphaBlend=D\xb4\x00\x00\x00\x00"));
  Write(root / "command_line", "switches", Bytes("/DEBUG\0-common\0Orvilla.exe\0/debugx"));
  Write(root / "command_line", "quotes", Bytes("\"a b\"\0C:\\dir\\\0\\\"x\\\\\"\0\0\ttab\0\"\"\"\""));
  return 0;
}
