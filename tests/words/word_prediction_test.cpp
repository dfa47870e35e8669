#include <gtest/gtest.h>

#include <string>

#include "words/utf8_text.h"
#include "words/word_list_files.h"
#include "words/word_prediction.h"

namespace {

constexpr std::uint16_t EnglishUs = 0x0409;
constexpr std::uint16_t GermanDe = 0x0407;

class WordPrediction : public ::testing::Test {
 protected:
  TWordListFiles FFiles{ORVILLA_WORD_LISTS};
  TUserWords FUser;
  TWordPrediction FPrediction{FFiles, FUser};
};

}  // namespace

TEST_F(WordPrediction, FollowsTheInputLanguageAndTypesTheRestWithASpace) {
  FPrediction.SetLanguage(EnglishUs);
  FPrediction.Typed(u"th");
  auto suggestions = FPrediction.Suggestions();
  ASSERT_EQ(suggestions.size(), 5u);
  EXPECT_EQ(Utf16ToUtf8(suggestions[0].Word), "the");
  EXPECT_EQ(FPrediction.Accept(suggestions[0], true), u"e ");
  EXPECT_EQ(FPrediction.Tracker().CurrentWord(), u"");
  EXPECT_EQ(FUser.Count(0x09, u"the"), 1u);  // an accepted word is learned like a typed one
  FPrediction.Typed(u"W");
  suggestions = FPrediction.Suggestions();
  ASSERT_FALSE(suggestions.empty());
  EXPECT_EQ(FPrediction.Accept(suggestions[0], false), suggestions[0].Rest);
  EXPECT_EQ(FPrediction.Tracker().CurrentWord(), suggestions[0].Word);

  FPrediction.SetLanguage(GermanDe);  // another language ends the word
  EXPECT_EQ(FPrediction.Tracker().CurrentWord(), u"");
  FPrediction.Typed(u"Stra");
  suggestions = FPrediction.Suggestions();
  ASSERT_FALSE(suggestions.empty());
  EXPECT_EQ(suggestions[0].Word.substr(0, 4), u"Stra");
  FPrediction.SetLanguage(0x0404);  // Chinese: no list, no suggestions
  FPrediction.Typed(u"th");
  EXPECT_TRUE(FPrediction.Suggestions().empty());
}

TEST_F(WordPrediction, APasswordFieldIsNeitherTrackedNorLearned) {
  FPrediction.SetLanguage(EnglishUs);
  FPrediction.SetPasswordField(true);
  FPrediction.Typed(u"secretword secretword th");
  EXPECT_TRUE(FPrediction.Suggestions().empty());
  EXPECT_EQ(FUser.WordCount(), 0u);
  FPrediction.SetPasswordField(false);
  EXPECT_EQ(FPrediction.Tracker().CurrentWord(), u"");
  FPrediction.Typed(u"orvilla orvilla 12345 12345 ");
  FPrediction.SetLearnWords(false);
  FPrediction.Typed(u"lunavar lunavar ");
  FPrediction.SetLearnWords(true);
  FPrediction.Typed(u"or");
  ASSERT_FALSE(FPrediction.Suggestions().empty());
  EXPECT_EQ(FPrediction.Suggestions()[0].Word, u"orvilla");  // typed twice, not in the list
  EXPECT_EQ(FUser.WordCount(), 1u);
}

TEST_F(WordPrediction, AMarkRightAfterASuggestionsSpaceTakesTheSpaceBack) {
  constexpr std::uint16_t FrenchFr = 0x040C;
  struct Case {
    std::uint16_t language;
    bool addSpace;
    std::u16string between;  // typed after accepting, before the mark
    std::u16string mark;
    bool takenBack;
  };
  const Case cases[] = {
      {EnglishUs, true, u"", u".", true},   {EnglishUs, true, u"", u",", true},  {EnglishUs, true, u"", u"?", true},
      {EnglishUs, true, u"", u"a", false},  {EnglishUs, true, u"", u"-", false}, {EnglishUs, true, u" ", u".", false},
      {EnglishUs, false, u"", u".", false},                                      // no space was typed
      {FrenchFr, true, u"", u",", true},    {FrenchFr, true, u"", u"?", false},  // "mot ?"
      {FrenchFr, true, u"", u":", false},
  };
  for (const Case& c : cases) {
    FPrediction.SetLanguage(c.language);
    FPrediction.Break();
    FPrediction.Typed(u"th");
    const auto suggestions = FPrediction.Suggestions();
    ASSERT_FALSE(suggestions.empty());
    FPrediction.Accept(suggestions[0], c.addSpace);
    FPrediction.Typed(c.between);
    EXPECT_EQ(FPrediction.TakeBackSpaceBefore(c.mark), c.takenBack)
        << Utf16ToUtf8(c.mark) << " " << c.language << " " << c.addSpace;
    if (c.takenBack) {  // the word is the current one again, as after a Backspace
      EXPECT_EQ(FPrediction.Tracker().CurrentWord(), suggestions[0].Word);
      EXPECT_FALSE(FPrediction.TakeBackSpaceBefore(c.mark));  // once only
    }
  }
  // A break between the two forgets the space.
  FPrediction.SetLanguage(EnglishUs);
  FPrediction.Typed(u"th");
  FPrediction.Accept(FPrediction.Suggestions()[0], true);
  FPrediction.Break();
  EXPECT_FALSE(FPrediction.TakeBackSpaceBefore(u"."));
}

TEST_F(WordPrediction, ThePasswordProbeIsAskedOnlyWhenAWordIsAboutToBeLearned) {
  int asked = 0;
  bool password = true;
  FPrediction.SetPasswordProbe([&] {
    ++asked;
    return password;
  });
  FPrediction.SetLanguage(EnglishUs);
  FPrediction.Typed(u"secr");
  EXPECT_FALSE(FPrediction.Suggestions().empty());
  EXPECT_EQ(asked, 0);  // letters alone learn nothing
  FPrediction.Typed(u"et 1234 ");
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(FUser.WordCount(), 0u);
  EXPECT_EQ(FPrediction.Tracker().PreviousWord(), u"");  // what was typed there is forgotten
  FPrediction.Typed(u"1234 ");
  EXPECT_EQ(asked, 1);  // digits are never learned: nothing to ask
  FPrediction.SetLearnWords(false);
  FPrediction.Typed(u"word ");
  EXPECT_EQ(asked, 1);
  FPrediction.SetLearnWords(true);
  password = false;
  FPrediction.Typed(u"open sesame ");
  EXPECT_EQ(asked, 2);  // once for what one key press typed
  EXPECT_EQ(FUser.WordCount(), 2u);
}
