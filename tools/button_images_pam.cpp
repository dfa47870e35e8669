// Writes the settings dialog's button pictures at 16, 24 and 32 pixels as PAM files (RGB_ALPHA,
// straight alpha) into the folder given on the command line; `convert x.pam x.png` turns them
// into PNG. scripts/button-images.sh does both.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "render/button_images.h"

namespace {

bool WritePam(const std::string& path, const TArgbImage& image) {
  std::ofstream out(path, std::ios::binary);
  out << "P7\nWIDTH " << image.Size() << "\nHEIGHT " << image.Size()
      << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
  for (std::uint32_t p : image.Pixels()) {
    const char rgba[4] = {static_cast<char>((p >> 16) & 0xFF), static_cast<char>((p >> 8) & 0xFF),
                          static_cast<char>(p & 0xFF), static_cast<char>(p >> 24)};
    out.write(rgba, 4);
  }
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: orvilla_button_images <folder>\n";
    return 2;
  }
  const struct {
    TButtonPicture Picture;
    const char* Name;
  } pictures[] = {{TButtonPicture::Keyboard, "keyboard"},
                  {TButtonPicture::Information, "information"},
                  {TButtonPicture::QuestionMark, "question-mark"},
                  {TButtonPicture::Globe, "globe"}};
  for (const auto& p : pictures)
    for (int size : {16, 24, 32}) {
      const std::string path = std::string(argv[1]) + "/button-" + p.Name + "-" + std::to_string(size) + ".pam";
      if (!WritePam(path, DrawButtonPicture(p.Picture, size))) {
        std::cerr << "cannot write " << path << "\n";
        return 1;
      }
    }
  return 0;
}
