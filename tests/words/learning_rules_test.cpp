#include <gtest/gtest.h>

#include <string>

#include "words/learning_rules.h"
#include "words/utf8_text.h"

TEST(LearningRules, NeverInAPasswordFieldNorWithLearningOffNorANonWord) {
  struct Case {
    TLearningState state;
    std::u16string word;
    bool learn;
  };
  const TLearningState on{true, false};
  const TLearningState password{true, true};
  const TLearningState off{false, false};
  const Case cases[] = {
      {on, u"hello", true},
      {password, u"hello", false},
      {off, u"hello", false},
      {on, std::u16string(40, u'a'), true},
      {on, std::u16string(41, u'a'), false},
      {on, u"1234", false},
      {on, u"12-34", false},
      {on, u"mp3", true},
      {on, u"don't", true},
      {on, u"'", false},
      {on, u"rock-", false},
      {on, u"", false},
      {on, u"a b", false},
      {on, u"\x00FC\x00DF", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MayLearn(c.state, c.word), c.learn)
        << Utf16ToUtf8(c.word) << " password " << c.state.PasswordField << " learn " << c.state.LearnWords;
}
