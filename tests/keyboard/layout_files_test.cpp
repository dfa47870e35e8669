#include "keyboard/layout_files.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "keyboard/keyboard_types.h"

namespace {

// Folders of files in memory; a folder that is not in the map is missing.
class TFakeLayoutFiles : public TLayoutFileSystem {
 public:
  std::map<std::wstring, std::map<std::wstring, std::string>> Folders;
  std::map<std::wstring, std::uint64_t> ListedSizes;  // sizes the listing gives instead of the real ones
  std::vector<std::wstring> Reads;

  std::optional<std::vector<TLayoutFileEntry>> ListLayoutFiles(const std::wstring& folder) override {
    const auto f = Folders.find(folder);
    if (f == Folders.end()) return std::nullopt;
    std::vector<TLayoutFileEntry> entries;
    for (const auto& [name, bytes] : f->second) {
      const auto listed = ListedSizes.find(name);
      entries.push_back({name, listed != ListedSizes.end() ? listed->second : bytes.size()});
    }
    return entries;
  }
  std::optional<std::string> ReadFileBytes(const std::wstring& path) override {
    Reads.push_back(path);
    for (const auto& [folder, files] : Folders)
      for (const auto& [name, bytes] : files)
        if (folder + L"\\" + name == path) return bytes;
    return std::nullopt;
  }
};

const std::string Good = "Height=31\r\nWidth=61\r\n13=0,0;60,30";

std::string ManyKeyLines(int lines) {
  std::string text = "Height=31\nWidth=31\n";
  for (int i = 0; i < lines; ++i) text += std::to_string(1 + i % 255) + "=0,0;30,30\n";
  return text;
}

TEST(LayoutFiles, OffersTheGoodFilesByNameAndLogsOneLinePerRefusedFile) {
  TFakeLayoutFiles fs;
  fs.Folders[L"C:\\Orvilla\\Layouts"] = {
      {L"Pad.txt", Good},
      {L"arrows.TXT", "; a comment\nHeight=31\nWidth=31\n37=0,0;30,30"},
      {L"Broken.txt", "Height=31\nWidth=31\n13=0,0;;30,30"},
      {L"Huge.txt", Good},
      {L"Crowded.txt", ManyKeyLines(256)},
      {L"Empty.txt", "Height=31\nWidth=31"},
      {L"42.txt", Good},
      {L"readme.md", "not a layout"},
  };
  fs.ListedSizes[L"Huge.txt"] = LayoutFileMaxBytes + 1;
  fs.Folders[L"C:\\Users\\me\\AppData\\Roaming\\Orvilla\\Layouts"] = {
      {L"PAD.txt", Good},  // the program's folder has one of that name
      {L"Mine.txt", ManyKeyLines(255)},
  };
  std::vector<std::wstring> log;
  const std::vector<TFileLayout> layouts = ReadLayoutFiles(
      fs, {L"C:\\Orvilla\\Layouts", L"C:\\Missing\\Layouts", L"C:\\Users\\me\\AppData\\Roaming\\Orvilla\\Layouts"},
      [&](const std::wstring& line) { log.push_back(line); });

  std::vector<std::wstring> names;
  for (const TFileLayout& l : layouts) names.push_back(l.Name);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"arrows", L"Pad", L"Mine"}));
  EXPECT_EQ(layouts[1].Text, L"Height=31\r\nWidth=61\r\n13=0,0;60,30");
  ASSERT_EQ(log.size(), 6u);
  const struct {
    const wchar_t* file;
    const wchar_t* why;
  } refused[] = {{L"42.txt", L"number"},        {L"Broken.txt", L"does not parse"},
                 {L"Crowded.txt", L"255 keys"}, {L"Empty.txt", L"no key"},
                 {L"Huge.txt", L"1 MB"},        {L"PAD.txt", L"comes first"}};
  for (std::size_t i = 0; i < std::size(refused); ++i) {
    EXPECT_NE(log[i].find(refused[i].file), std::wstring::npos) << i << ": " << log[i];
    EXPECT_NE(log[i].find(refused[i].why), std::wstring::npos) << i << ": " << log[i];
  }
  // A file too large by its listing is never read.
  for (const std::wstring& read : fs.Reads) EXPECT_EQ(read.find(L"Huge"), std::wstring::npos);
}

TEST(LayoutFiles, FoldersBesideTheProgramAndInAppDataWhereTheSettingsAreInTheRegistry) {
  EXPECT_EQ(LayoutFolders(L"C:\\Orvilla\\", false, L"C:\\Users\\me\\AppData\\Roaming"),
            (std::vector<std::wstring>{L"C:\\Orvilla\\Layouts"}));
  EXPECT_EQ(LayoutFolders(L"C:\\Orvilla\\", true, L"C:\\Users\\me\\AppData\\Roaming"),
            (std::vector<std::wstring>{L"C:\\Orvilla\\Layouts", L"C:\\Users\\me\\AppData\\Roaming\\Orvilla\\Layouts"}));
  EXPECT_EQ(LayoutFolders(L"C:\\Orvilla\\", true, L""), (std::vector<std::wstring>{L"C:\\Orvilla\\Layouts"}));
}

TEST(LayoutFiles, NoFolderNoLayouts) {
  TFakeLayoutFiles fs;
  int lines = 0;
  EXPECT_TRUE(ReadLayoutFiles(fs, {L"C:\\Orvilla\\Layouts"}, [&](const std::wstring&) { ++lines; }).empty());
  EXPECT_EQ(lines, 0);
}

TEST(LayoutFiles, TextOfUtf16Utf8AndOtherBytes) {
  const struct {
    std::string bytes;
    std::wstring text;
  } cases[] = {
      {"Width=5", L"Width=5"},
      {"\xEF\xBB\xBFWidth=5", L"Width=5"},
      {std::string("\xFF\xFEW\0=\0"
                   "5\0",
                   8),
       L"W=5"},
      {";\xC3\xA9\r\n", L";\u00E9\r\n"},  // UTF-8
      {";\xE9\r\n", L";\u00E9\r\n"},      // no UTF-8: Latin-1
      {"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(LayoutFileText(c.bytes), c.text);
}

TEST(KeyboardTypes, StoredValuesNameBuiltInNumbersOrFileNames) {
  const TKeyboardTypes types({{L"Pad", L"Height=31\r\nWidth=61\r\n13=0,0;60,30"}, {L"Mine", L"x"}});
  ASSERT_EQ(types.Count(), LayoutCount + 2);
  const struct {
    const wchar_t* stored;
    int type;
  } cases[] = {
      {L"1", 1},
      {L"8", 8},
      {L"9", 1},
      {L"0", 0},
      {L"-3", -3},
      {L"99999999999", 1},
      {L"0x3", 3},  // numbers as the settings store reads them
      {L"Pad", LayoutCount + 1},
      {L"mine", LayoutCount + 2},  // letter case ignored
      {L"Gone", 1},
      {L"", 1},  // a file that is gone, an empty value: "Standard"
  };
  for (const auto& c : cases) EXPECT_EQ(types.TypeOfStored(c.stored), c.type) << c.stored;
  EXPECT_EQ(types.StoredValue(7), L"7");
  EXPECT_EQ(types.StoredValue(LayoutCount + 2), L"Mine");
  EXPECT_EQ(types.ListItem(8), L"Numeric pad");
  EXPECT_EQ(types.ListItem(LayoutCount + 1), L"Pad");
  EXPECT_EQ(types.Text(LayoutCount + 1), L"Height=31\r\nWidth=61\r\n13=0,0;60,30");
  EXPECT_EQ(&types.Text(LayoutCount + 3), &LayoutText(1));
  EXPECT_EQ(&types.Text(2), &LayoutText(2));
}

TEST(KeyboardTypes, ChangeKeyboardTypeCyclesBuiltInsThenFilesThenBackToOne) {
  const TKeyboardTypes types({{L"A", L""}, {L"B", L""}});
  std::vector<int> seen{1};
  for (int i = 0; i < LayoutCount + 2; ++i) seen.push_back(types.Next(seen.back()));
  std::vector<int> expected;
  for (int t = 1; t <= LayoutCount + 2; ++t) expected.push_back(t);
  expected.push_back(1);
  EXPECT_EQ(seen, expected);
  for (int outside : {0, -1, LayoutCount + 3}) EXPECT_EQ(types.Next(outside), 1) << outside;
  EXPECT_EQ(TKeyboardTypes().Next(LayoutCount), 1);  // without files the last built-in is followed by 1
}

}  // namespace
