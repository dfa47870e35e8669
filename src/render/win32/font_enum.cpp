#include "render/win32/font_enum.h"

#include <windows.h>

#include "platform/win32/win32_handles.h"
#include "render/fonts.h"

namespace {

int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
  auto& faces = *reinterpret_cast<std::vector<std::wstring>*>(data);
  // lfFaceName holds at most 32 characters and ends at its first NUL.
  size_t length = 0;
  while (length < LF_FACESIZE && font->lfFaceName[length] != L'\0') ++length;
  const std::wstring face(font->lfFaceName, length);
  bool known = false;
  for (const auto& f : faces) {
    if (CompareStringOrdinal(f.c_str(), static_cast<int>(f.size()), face.c_str(), static_cast<int>(face.size()),
                             TRUE) == CSTR_EQUAL) {
      known = true;
      break;
    }
  }
  if (!known) faces.push_back(face);
  return 1;
}

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one font of the face is enough
}

}  // namespace

std::vector<std::wstring> ListInstalledFontFaces() {
  std::vector<std::wstring> faces;
  const TWindowDc screen = GetScreenDc();
  if (!screen.Get()) return faces;
  EnumFontsW(screen.Get(), nullptr, AddFace, reinterpret_cast<LPARAM>(&faces));
  return faces;
}

std::vector<std::wstring> InstalledFontFacesAmong(const std::vector<std::wstring>& faces) {
  std::vector<std::wstring> installed;
  const TWindowDc screen = GetScreenDc();
  if (!screen.Get()) return installed;
  for (const auto& face : faces) {
    if (face.empty() || face.size() >= LF_FACESIZE) continue;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, face.size());
    bool found = false;
    EnumFontFamiliesExW(screen.Get(), &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    if (found) installed.push_back(face);
  }
  return installed;
}

void DetectFonts() { DetectFonts(InstalledFontFacesAmong(LegendFontCandidates())); }
