#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "words/packed_word_list.h"
#include "words/utf8_text.h"
#include "words/word_case.h"
#include "words/word_list.h"
#include "words/word_list_files.h"
#include "words/word_lists.h"

namespace {

TWordList Decode(const std::vector<std::uint8_t>& bytes) { return TWordList::Decode({bytes.data(), bytes.size()}); }

}  // namespace

TEST(WordList, EveryBuiltInListDecodesIntoWordsOfItsLanguage) {
  TWordListFiles files(ORVILLA_WORD_LISTS);
  TWordLists lists(files);
  ASSERT_GE(WordListCatalogSize, 39u);
  for (std::size_t i = 0; i < WordListCatalogSize; ++i) {
    const TWordListCatalogEntry& entry = WordListCatalog[i];
    EXPECT_EQ(FindWordList(entry.PrimaryLanguage), &entry) << entry.Name;  // one list a language
    const TWordList* list = lists.Get(entry.PrimaryLanguage);
    ASSERT_NE(list, nullptr) << entry.Name;
    EXPECT_GT(list->Size(), 1000u) << entry.Name;
    EXPECT_LT(list->MemoryBytes(), 2u << 20) << entry.Name;
    for (std::size_t w = 0; w < list->Size(); ++w) {
      const std::u16string word(list->Word(w));
      bool digit = false;
      for (char16_t c : word) digit = digit || (c >= u'0' && c <= u'9');
      ASSERT_FALSE(digit) << entry.Name << " " << Utf16ToUtf8(word);
      ASSERT_EQ(ToLowerText(word), word) << entry.Name << " " << Utf16ToUtf8(word);
      ASSERT_LE(word.size(), 40u) << entry.Name;
    }
  }
  EXPECT_EQ(lists.Get(0x04), nullptr);  // Chinese: typed through an input method, no list
}

TEST(WordList, EnglishAnswersPrefixesInOrderAndKnowsItsOneLetterWords) {
  TWordListFiles files(ORVILLA_WORD_LISTS);
  TWordLists lists(files);
  const TWordList* english = lists.Get(0x09);
  ASSERT_NE(english, nullptr);
  EXPECT_EQ(lists.LoadedCount(), 1u);  // only the language asked for
  const std::size_t the = english->Find(u"the");
  ASSERT_LT(the, english->Size());
  EXPECT_EQ(english->FrequencyClass(the), 0);
  const std::size_t i = english->Find(u"i");
  ASSERT_LT(i, english->Size());
  EXPECT_TRUE(english->Capitalised(i));
  EXPECT_EQ(english->Find(u"b"), english->Size());  // a stray letter
  const auto [first, last] = english->PrefixRange(u"th");
  EXPECT_GT(last - first, 50u);
  for (std::size_t w = first; w < last; ++w) EXPECT_EQ(english->Word(w).substr(0, 2), u"th");
  EXPECT_NE(english->Word(first - 1).substr(0, 2), u"th");
  EXPECT_NE(english->Word(last).substr(0, 2), u"th");
}

TEST(WordList, DamagedDataGivesAnEmptyListNeverACrash) {
  const auto good = PackWordList({{u"alpha", 1}, {u"alps", 2}, {u"beta", 3}});
  ASSERT_EQ(Decode(good).Size(), 3u);
  EXPECT_EQ(Decode(good).Word(1), u"alps");
  for (std::size_t cut = 0; cut < good.size(); ++cut)
    EXPECT_EQ(Decode(std::vector<std::uint8_t>(good.begin(), good.begin() + cut)).Size(), 0u) << cut;
  struct Case {
    const char* what;
    std::size_t at;
    std::uint8_t value;
  };
  const std::size_t firstWord = 5 + 2 * 8 + 2;  // header, 8 characters, count
  const Case cases[] = {
      {"magic", 0, 'X'},
      {"no alphabet", 4, 0},
      {"alphabet larger than the data", 4, 200},
      {"shared prefix longer than the previous word", firstWord, 3},
      {"character outside the alphabet", firstWord + 2, 9},
      {"out of order", firstWord + 2, 8},  // "tlpha" before "alps"
  };
  for (const Case& c : cases) {
    auto bad = good;
    bad[c.at] = c.value;
    EXPECT_EQ(Decode(bad).Size(), 0u) << c.what;
  }
  EXPECT_EQ(TWordList::Decode({nullptr, 10}).Size(), 0u);
  std::vector<std::uint8_t> endless = {'O', 'W', 'L', '1', 1, 'a', 0, 1, 0, 0, 0};
  endless.insert(endless.end() - 1, 200, 1);  // a word of 201 letters
  EXPECT_EQ(Decode(endless).Size(), 0u);
}
