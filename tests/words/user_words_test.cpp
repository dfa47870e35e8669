#include <gtest/gtest.h>

#include <string>

#include "settings/settings_error.h"
#include "words/user_words.h"
#include "words/user_words_file.h"

namespace {

constexpr std::uint16_t English = 0x09;

std::string Line(const std::string& text) { return text + "\n"; }

}  // namespace

TEST(UserWords, ReaderSkipsWhatIsNoEntryAndKeepsTheRest) {
  struct Case {
    const char* what;
    std::string file;
    std::size_t words;
    std::uint32_t helloCount;
  };
  const std::string hello = Line("9\thello\t3");
  const Case cases[] = {
      {"missing or empty", "", 0, 0},
      {"header only", Line("Orvilla learned words 1"), 0, 0},
      {"one word", hello, 1, 3},
      {"Windows line ends", "9\thello\t3\r\n9\tworld\t1\r\n", 2, 3},
      {"truncated in the middle of a line", hello + "9\twor", 1, 3},
      {"count cut off", hello + "9\tworld\t", 1, 3},
      {"binary", std::string("\x00\xff\xfe\x01\t\t\n\x80\x80\t9\t\n", 13) + hello, 1, 3},
      {"invalid UTF-8 word", hello + Line("9\t\xc3\x28\t2"), 1, 3},
      {"zero, negative and huge counts", hello + Line("9\ta1\t0") + Line("9\ta2\t-4") + Line("9\ta3\t99999999999"), 1,
       3},
      {"bad language", hello + Line("0\tzero\t2") + Line("x\tbad\t2") + Line("400\tbig\t2"), 1, 3},
      {"digits only and overlong words", hello + Line("9\t1234\t5") + Line("9\t" + std::string(41, 'a') + "\t5"), 1, 3},
      {"same word twice adds up", hello + hello, 1, 6},
      {"a pair", hello + Line("9\tgood\thello\t2"), 1, 3},
      {"too many fields", hello + Line("9\ta\tb\tc\t1"), 1, 3},
  };
  for (const Case& c : cases) {
    TUserWords words;
    words.Load(c.file);
    EXPECT_EQ(words.WordCount(), c.words) << c.what;
    EXPECT_EQ(words.Count(English, u"hello"), c.helloCount) << c.what;
    EXPECT_FALSE(words.Changed()) << c.what;
  }
}

TEST(UserWords, AHugeFileIsReadOnlyToItsFirstMegabyte) {
  std::string file;
  for (int i = 0; file.size() < 3 * TUserWords::MaxFileBytes; ++i)
    file += Line("9\tw" + std::string(20, 'a' + i % 26) + "x" + std::to_string(i) + "\t2");
  TUserWords words;
  words.Load(file);
  EXPECT_GT(words.WordCount(), 10000u);
  EXPECT_LE(words.WordCount(), TUserWords::MaxWords);
}

TEST(UserWords, WhatIsWrittenReadsBackTheSame) {
  TUserWords words;
  words.Learn(English, u"Orvilla", u"");
  words.Learn(English, u"orvilla", u"");  // typed once in lower case: shown so
  words.Learn(English, u"Lunavar", u"");
  words.Learn(0x07, u"Straße", u"die");
  ASSERT_TRUE(words.Changed());
  TUserWords again;
  again.Load(words.Serialize());
  EXPECT_EQ(again.Serialize(), words.Serialize());
  EXPECT_EQ(again.Count(English, u"orvilla"), 2u);
  EXPECT_EQ(again.PrefixRange(English, u"orv").first->second.Form, u"orvilla");
  EXPECT_EQ(again.PrefixRange(English, u"lun").first->second.Form, u"Lunavar");
  ASSERT_EQ(again.NextWords(0x07, u"die").size(), 1u);
  EXPECT_EQ(again.NextWords(0x07, u"die")[0].first, u"straße");
}

namespace {

class TMemoryFiles : public TUserWordsFiles {
 public:
  std::string ReadStart(const std::wstring& fileName, std::size_t maxBytes) override {
    ReadLimit = maxBytes;
    return Content.substr(0, maxBytes);
  }
  bool Replace(const std::wstring& fileName, const std::string& content) override {
    ++Writes;
    if (!Writable) return false;
    Content = content;
    return true;
  }
  std::string Content;
  bool Writable = true;
  int Writes = 0;
  std::size_t ReadLimit = 0;
};

}  // namespace

TEST(UserWordsFile, LivesBesideTheIniFileElseInTheApplicationDataFolder) {
  EXPECT_EQ(UserWordsFileName(L"C:\\Tools\\Orvilla.ini", L"C:\\Users\\a\\AppData\\Roaming"),
            L"C:\\Tools\\Orvilla-words.txt");
  EXPECT_EQ(UserWordsFileName(L"", L"C:\\Users\\a\\AppData\\Roaming"),
            L"C:\\Users\\a\\AppData\\Roaming\\Orvilla\\Orvilla-words.txt");
  EXPECT_EQ(UserWordsFileName(L"", L""), L"");
}

TEST(UserWordsFile, WritesOnlyChangesAndReportsAFailureOnce) {
  TMemoryFiles files;
  TUserWordsFile file(files, L"C:\\Tools\\Orvilla-words.txt");
  TUserWords words;
  file.Load(words);
  EXPECT_EQ(files.ReadLimit, TUserWords::MaxFileBytes);
  file.SaveIfChanged(words);
  EXPECT_EQ(files.Writes, 0);
  words.Learn(English, u"hello", u"");
  file.SaveIfChanged(words);
  EXPECT_EQ(files.Writes, 1);
  file.SaveIfChanged(words);
  EXPECT_EQ(files.Writes, 1);

  files.Writable = false;
  words.Learn(English, u"world", u"");
  try {
    file.SaveIfChanged(words);
    ADD_FAILURE() << "no report";
  } catch (const TSettingsError& error) {
    EXPECT_EQ(error.Message(), L"Unable to write to C:\\Tools\\Orvilla-words.txt");
  }
  words.Learn(English, u"again", u"");
  EXPECT_NO_THROW(file.SaveIfChanged(words));  // reported once
  EXPECT_TRUE(words.Changed());
  files.Writable = true;
  file.SaveIfChanged(words);  // the words kept in memory are written when it works again
  TUserWords reread;
  file.Load(reread);
  EXPECT_EQ(reread.Count(English, u"world"), 1u);
  EXPECT_EQ(reread.Count(English, u"again"), 1u);
}

TEST(UserWordsFile, ForgettingEmptiesTheWordsAndTheFileAtOnceAndReportsEveryFailure) {
  TMemoryFiles files;
  TUserWordsFile file(files, L"C:\\Tools\\Orvilla-words.txt");
  {
    TUserWords words;
    words.Learn(English, u"hello", u"");
    words.Learn(English, u"world", u"hello");
    file.SaveIfChanged(words);
  }
  ASSERT_FALSE(files.Content.empty());
  // With suggestions off nothing is loaded: forgetting still empties the file.
  TUserWords none;
  file.Forget(none);
  const std::string empty = TUserWords().Serialize();  // no entry, only the file's heading
  EXPECT_EQ(files.Content, empty);
  EXPECT_FALSE(none.Changed());

  TUserWords words;
  file.Load(words);
  words.Learn(English, u"again", u"");
  files.Writable = false;
  for (int attempt = 0; attempt < 2; ++attempt) {
    EXPECT_THROW(file.Forget(words), TSettingsError) << attempt;
    EXPECT_EQ(words.WordCount(), 0u);
    EXPECT_TRUE(words.Changed());  // written empty by the next save that works
  }
  files.Writable = true;
  file.SaveIfChanged(words);
  EXPECT_EQ(files.Content, empty);
  TUserWords reread;
  file.Load(reread);
  EXPECT_EQ(reread.WordCount(), 0u);
}
