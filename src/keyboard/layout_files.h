#pragma once
// Layouts from files: text files in the layout format, offered after the built-in layouts.
//
// The folders are read once, through a small seam over the file system, so that the rules of
// which files are offered are the same on Windows and in the tests: a file is left out, with one
// line in the debug log, when it is larger than LayoutFileMaxBytes, cannot be read, has more than
// LayoutFileMaxKeys key lines, does not parse, draws no key, or is named like a number or like a
// layout offered before it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Largest layout file read, in bytes.
constexpr std::uint64_t LayoutFileMaxBytes = 1024 * 1024;
// Most key lines a layout file may have.
constexpr int LayoutFileMaxKeys = 255;
// The folder of layout files, beside the program or in the user's application-data folder.
inline constexpr wchar_t LayoutFolderName[] = L"Layouts";
// The ending of a layout file's name; the name before it is the layout's name.
inline constexpr wchar_t LayoutFileExtension[] = L".txt";

// One file of a folder as its listing gives it.
struct TLayoutFileEntry {
  std::wstring FileName;  // without the folder
  std::uint64_t Size = 0;
};

// What the layout files need of the file system.
class TLayoutFileSystem {
 public:
  virtual ~TLayoutFileSystem() = default;
  // The files of a folder whose names end in LayoutFileExtension; none when the folder is missing.
  virtual std::optional<std::vector<TLayoutFileEntry>> ListLayoutFiles(const std::wstring& folder) = 0;
  // The bytes of a file; none when it cannot be read.
  virtual std::optional<std::string> ReadFileBytes(const std::wstring& path) = 0;
};

// A layout read from a file.
struct TFileLayout {
  std::wstring Name;  // the file name without its ending: shown in the lists, stored as the type
  std::wstring Text;  // the file's text, which parses
};

// The text of a layout file: UTF-16 LE when it begins with that byte-order mark, else UTF-8 (a
// byte-order mark skipped); bytes that are no UTF-8 are taken as Latin-1. The layout format itself
// is plain ASCII.
std::wstring LayoutFileText(const std::string& bytes);

// The folders layout files are read from: LayoutFolderName beside the program, then, where the
// settings are kept in the registry and the user's application-data folder is known, that folder's
// "Orvilla" LayoutFolderName.
std::vector<std::wstring> LayoutFolders(const std::wstring& programFolder, bool settingsInRegistry,
                                        const std::wstring& appDataFolder);

// The layouts of the folders, in the order of the folders and, within one, of their names
// (ignoring letter case). log receives one line for every file left out.
std::vector<TFileLayout> ReadLayoutFiles(TLayoutFileSystem& files, const std::vector<std::wstring>& folders,
                                         const std::function<void(const std::wstring&)>& log);
