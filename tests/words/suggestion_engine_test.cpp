#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "words/packed_word_list.h"
#include "words/suggestion_engine.h"
#include "words/user_words.h"
#include "words/utf8_text.h"
#include "words/word_list.h"

namespace {

constexpr std::uint16_t English = 0x09;

// Frequency classes: lower is more frequent.
class SuggestionEngine : public ::testing::Test {
 protected:
  SuggestionEngine()
      : FBytes(PackWordList({{u"the", 0},
                             {u"they", 40},
                             {u"there", 30},
                             {u"then", 35},
                             {u"them", 45},
                             {u"theory", 120},
                             {u"thermal", 200},
                             {u"thursday", 150, true},
                             {u"house", 50}})),
        FList(TWordList::Decode({FBytes.data(), FBytes.size()})) {}

  std::vector<std::string> Suggested(const std::u16string& prefix, const std::u16string& previous = u"",
                                     std::size_t count = MaxSuggestions) {
    std::vector<std::string> words;
    for (const auto& s : Suggest({prefix, previous, English, count}, &FList, FUser))
      words.push_back(Utf16ToUtf8(s.Word));
    return words;
  }

  std::vector<std::uint8_t> FBytes;
  TWordList FList;
  TUserWords FUser;
};

using Words = std::vector<std::string>;

}  // namespace

TEST_F(SuggestionEngine, CompletionsComeMostFrequentFirstWithoutThePrefixItself) {
  EXPECT_EQ(Suggested(u"the"), (Words{"there", "then", "they", "them", "theory"}));
  EXPECT_EQ(Suggested(u"the", u"", 2), (Words{"there", "then"}));
  EXPECT_EQ(Suggested(u"ther"), (Words{"there", "thermal"}));
  EXPECT_TRUE(Suggested(u"xyz").empty());
}

TEST_F(SuggestionEngine, BeforeTheFirstLetterTheMostFrequentWordsRaisedByTheUsersUse) {
  EXPECT_EQ(Suggested(u""), (Words{"the", "there", "then", "they", "them"}));
  EXPECT_EQ(Suggested(u"", u"", 2), (Words{"the", "there"}));
  for (int i = 0; i < 50; ++i) FUser.Learn(English, u"them", u"");
  EXPECT_EQ(Suggested(u""), (Words{"them", "the", "there", "then", "they"}));
  EXPECT_TRUE(Suggest({u"", u"", English, 5}, nullptr, FUser).empty());  // no list
}

TEST_F(SuggestionEngine, TheUsersOwnUseRaisesAWord) {
  for (int i = 0; i < 3; ++i) FUser.Learn(English, u"thermal", u"");
  EXPECT_EQ(Suggested(u"the"), (Words{"there", "then", "they", "them", "thermal"}));
  for (int i = 0; i < 9; ++i) FUser.Learn(0x07, u"theory", u"");  // counts in German only
  EXPECT_EQ(Suggested(u"the"), (Words{"there", "then", "they", "them", "thermal"}));
  for (int i = 0; i < 20; ++i) FUser.Learn(English, u"theory", u"");
  EXPECT_EQ(Suggested(u"the")[0], "theory");
}

TEST_F(SuggestionEngine, AWordTheListLacksIsSuggestedFromItsSecondUse) {
  FUser.Learn(English, u"thesaurus", u"");
  EXPECT_EQ(Suggested(u"thes"), Words{});
  FUser.Learn(English, u"thesaurus", u"");
  EXPECT_EQ(Suggested(u"thes"), (Words{"thesaurus"}));
  FUser.Learn(English, u"Orvilla", u"");
  FUser.Learn(English, u"Orvilla", u"");
  EXPECT_EQ(Suggested(u"or"), (Words{"orvilla"}));  // the rest follows the typed prefix
  EXPECT_EQ(Suggested(u"Or"), (Words{"Orvilla"}));
}

TEST_F(SuggestionEngine, CapitalsOfThePrefixGoOnInTheRest) {
  struct Case {
    std::u16string prefix;
    std::string word;
    std::string rest;
  };
  const Case cases[] = {
      {u"the", "there", "re"},       {u"The", "There", "re"},
      {u"THE", "THERE", "RE"},       {u"T", "The", "he"},  // one capital: capitalised, not all capitals
      {u"ThE", "ThEre", "re"},                             // mixed: the rest as listed
      {u"thu", "thursday", "rsday"},                       // the list's capital: the typed prefix decides
      {u"Thu", "Thursday", "rsday"},
  };
  for (const Case& c : cases) {
    const auto suggestions = Suggest({c.prefix, u"", English, 1}, &FList, FUser);
    ASSERT_EQ(suggestions.size(), 1u) << Utf16ToUtf8(c.prefix);
    EXPECT_EQ(Utf16ToUtf8(suggestions[0].Word), c.word);
    EXPECT_EQ(Utf16ToUtf8(suggestions[0].Rest), c.rest);
  }
}

TEST_F(SuggestionEngine, NextWordsComeFromTheUsersOwnPairs) {
  EXPECT_EQ(Suggested(u"", u"good"), Suggested(u""));
  FUser.Learn(English, u"morning", u"good");
  FUser.Learn(English, u"morning", u"Good");
  FUser.Learn(English, u"house", u"good");
  FUser.Learn(English, u"cat", u"bad");
  // The words that followed first, the most often first, then the list's most frequent.
  EXPECT_EQ(Suggested(u"", u"good"), (Words{"morning", "house", "the", "there", "then"}));
  FUser.Learn(English, u"the", u"bad");
  EXPECT_EQ(Suggested(u"", u"bad"), (Words{"the", "cat", "there", "then", "they"}));
  // A pair also raises a completion after that word.
  for (int i = 0; i < 2; ++i) FUser.Learn(English, u"theory", u"good");
  EXPECT_EQ(Suggested(u"th", u"good"), (Words{"the", "there", "then", "theory", "they"}));
  EXPECT_EQ(Suggested(u"th", u"bad"), (Words{"the", "there", "then", "they", "them"}));
}

TEST_F(SuggestionEngine, NoListStillSuggestsTheUsersWords) {
  FUser.Learn(English, u"hello", u"");
  FUser.Learn(English, u"hello", u"");
  EXPECT_EQ(Suggest({u"he", u"", English, 5}, nullptr, FUser).size(), 1u);
  EXPECT_TRUE(Suggest({u"th", u"", English, 5}, nullptr, FUser).empty());
}
