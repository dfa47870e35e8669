#include "keyboard/layout_files.h"

#include <algorithm>
#include <cwctype>

#include "keyboard/layout_text.h"
#include "platform/text_helpers.h"

namespace {

wchar_t Lower(wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); }

bool LessIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](wchar_t x, wchar_t y) { return Lower(x) < Lower(y); });
}

// The layout's name: the file name without its ending; empty when it has none.
std::wstring NameOfFile(const std::wstring& fileName) {
  const std::wstring ending = LayoutFileExtension;
  if (fileName.size() <= ending.size()) return std::wstring();
  const std::wstring tail = fileName.substr(fileName.size() - ending.size());
  return EqualIgnoringCase(tail, ending) ? fileName.substr(0, fileName.size() - ending.size()) : std::wstring();
}

// A name of digits alone would be read back as a built-in layout's number.
bool LooksLikeNumber(const std::wstring& name) {
  const std::size_t start = (!name.empty() && name[0] == L'-') ? 1 : 0;
  return name.size() > start && std::all_of(name.begin() + static_cast<std::ptrdiff_t>(start), name.end(),
                                            [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

bool DrawsAKey(const TLayoutDescription& d) {
  return std::any_of(d.Points.begin(), d.Points.end(), [](const TLayoutPoints& p) { return p.size() >= 2; });
}

// The UTF-8 sequence at bytes[i]: its code point and length; false when it is malformed.
bool DecodeUtf8(const std::string& bytes, std::size_t i, std::uint32_t& cp, std::size_t& length) {
  const unsigned char b = static_cast<unsigned char>(bytes[i]);
  if (b < 0x80) {
    cp = b;
    length = 1;
    return true;
  }
  if ((b & 0xE0) == 0xC0) {
    cp = b & 0x1Fu;
    length = 2;
  } else if ((b & 0xF0) == 0xE0) {
    cp = b & 0x0Fu;
    length = 3;
  } else if ((b & 0xF8) == 0xF0) {
    cp = b & 0x07u;
    length = 4;
  } else {
    return false;
  }
  if (i + length > bytes.size()) return false;
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char c = static_cast<unsigned char>(bytes[i + k]);
    if ((c & 0xC0) != 0x80) return false;
    cp = (cp << 6) | (c & 0x3Fu);
  }
  return cp <= 0x10FFFF;
}

}  // namespace

std::wstring LayoutFileText(const std::string& bytes) {
  std::wstring text;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
      text +=
          static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
    return text;
  }
  const std::size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  for (std::size_t i = start; i < bytes.size();) {
    std::uint32_t cp = 0;
    std::size_t length = 0;
    if (!DecodeUtf8(bytes, i, cp, length)) {
      // No UTF-8: every byte is its own character.
      text.clear();
      for (std::size_t j = start; j < bytes.size(); ++j)
        text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[j]));
      return text;
    }
    // Characters beyond 16 bits cannot be part of the format; one replacement character stands for each.
    text += cp > 0xFFFF ? L'\xFFFD' : static_cast<wchar_t>(cp);
    i += length;
  }
  return text;
}

std::vector<std::wstring> LayoutFolders(const std::wstring& programFolder, bool settingsInRegistry,
                                        const std::wstring& appDataFolder) {
  std::vector<std::wstring> folders{PathCombine(programFolder, LayoutFolderName)};
  if (settingsInRegistry && !appDataFolder.empty())
    folders.push_back(PathCombine(PathCombine(appDataFolder, L"Orvilla"), LayoutFolderName));
  return folders;
}

std::vector<TFileLayout> ReadLayoutFiles(TLayoutFileSystem& files, const std::vector<std::wstring>& folders,
                                         const std::function<void(const std::wstring&)>& log) {
  std::vector<TFileLayout> layouts;
  for (const std::wstring& folder : folders) {
    std::optional<std::vector<TLayoutFileEntry>> entries = files.ListLayoutFiles(folder);
    if (!entries) continue;  // no such folder: nothing to offer from it
    std::sort(entries->begin(), entries->end(), [](const TLayoutFileEntry& a, const TLayoutFileEntry& b) {
      return LessIgnoringCase(a.FileName, b.FileName);
    });
    for (const TLayoutFileEntry& entry : *entries) {
      const std::wstring path = PathCombine(folder, entry.FileName);
      auto refuse = [&](const std::wstring& why) { log(L"Layout file " + path + L" left out: " + why); };
      const std::wstring name = NameOfFile(entry.FileName);
      if (name.empty()) continue;  // not a layout file
      if (LooksLikeNumber(name)) {
        refuse(L"its name is a number");
        continue;
      }
      if (std::any_of(layouts.begin(), layouts.end(),
                      [&](const TFileLayout& l) { return EqualIgnoringCase(l.Name, name); })) {
        refuse(L"a layout of that name comes first");
        continue;
      }
      if (entry.Size > LayoutFileMaxBytes) {
        refuse(L"larger than 1 MB");
        continue;
      }
      const std::optional<std::string> bytes = files.ReadFileBytes(path);
      if (!bytes) {
        refuse(L"cannot be read");
        continue;
      }
      if (bytes->size() > LayoutFileMaxBytes) {  // grown since it was listed
        refuse(L"larger than 1 MB");
        continue;
      }
      std::wstring text = LayoutFileText(*bytes);
      if (CountKeyLines(text) > LayoutFileMaxKeys) {
        refuse(L"more than 255 keys");
        continue;
      }
      const TLayoutDescription d = ParseLayoutText(text);
      if (!d.Succeeded()) {
        refuse(L"does not parse");
        continue;
      }
      if (!DrawsAKey(d)) {
        refuse(L"has no key");
        continue;
      }
      layouts.push_back(TFileLayout{name, std::move(text)});
    }
  }
  return layouts;
}
