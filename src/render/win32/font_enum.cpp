#include "render/win32/font_enum.h"

#include <windows.h>

#include "render/fonts.h"
#include "platform/win32/win32_handles.h"

namespace {

int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
  auto& faces = *reinterpret_cast<std::vector<std::wstring>*>(data);
  // lfFaceName holds at most 32 characters and ends at its first NUL.
  size_t length = 0;
  while (length < LF_FACESIZE && font->lfFaceName[length] != L'\0') ++length;
  const std::wstring face(font->lfFaceName, length);
  bool known = false;
  for (const auto& f : faces) {
    if (CompareStringOrdinal(f.c_str(), static_cast<int>(f.size()), face.c_str(),
                             static_cast<int>(face.size()), TRUE) == CSTR_EQUAL) {
      known = true;
      break;
    }
  }
  if (!known) faces.push_back(face);
  return 1;
}

}  // namespace

std::vector<std::wstring> ListInstalledFontFaces() {
  std::vector<std::wstring> faces;
  const TWindowDc screen = GetScreenDc();
  if (!screen.Get()) return faces;
  EnumFontsW(screen.Get(), nullptr, AddFace, reinterpret_cast<LPARAM>(&faces));
  return faces;
}

void DetectFonts() { DetectFonts(ListInstalledFontFaces()); }
