#include <gtest/gtest.h>

#include <string>

#include "words/utf8_text.h"
#include "words/word_tracker.h"

namespace {

// Plays a key sequence: '\b' is Backspace, '\x01' a break (navigation key, shortcut, focus or
// caret moved), every other character is typed.
void Play(TWordTracker& tracker, const std::u16string& keys) {
  for (char16_t c : keys) {
    if (c == u'\b')
      tracker.Backspace();
    else if (c == u'\x01')
      tracker.Break();
    else
      tracker.Type(std::u16string(1, c));
  }
}

}  // namespace

TEST(WordTracker, KeySequencesGiveTheCurrentAndThePreviousWord) {
  struct Case {
    std::u16string keys;
    std::u16string current;
    std::u16string previous;
  };
  const Case cases[] = {
      {u"hello", u"hello", u""},
      {u"helx\blo", u"hello", u""},
      {u"ab\b\b\b\bc", u"c", u""},  // Backspace past the start
      {u"hello ", u"", u"hello"},
      {u"hello  wor", u"wor", u"hello"},
      {u"hello \b", u"hello", u""},  // the space taken back
      {u"hello, wor", u"wor", u""},  // punctuation ends the sentence part
      {u"hello.", u"", u""},
      {u"hello\rwor", u"wor", u""},  // Enter
      {u"hello\twor", u"wor", u""},  // Tab
      {u"hel\x01lo", u"lo", u""},    // a break forgets the start
      {u"good \x01mor", u"mor", u""},
      {u"don't", u"don't", u""},
      {u"l'amour", u"l'amour", u""},
      {u"'quote", u"quote", u""},  // an opening quote is no part of the word
      {u"e-mail", u"e-mail", u""},
      {u"mp3", u"mp3", u""},
      {u"straße grü", u"grü", u"straße"},
      {u"добрый де", u"де", u"добрый"},
      {u"\x00BFqu\x00E9", u"qu\x00E9", u""},  // an inverted question mark before it
  };
  for (const Case& c : cases) {
    TWordTracker tracker;
    Play(tracker, c.keys);
    EXPECT_EQ(Utf16ToUtf8(tracker.CurrentWord()), Utf16ToUtf8(c.current)) << Utf16ToUtf8(c.keys);
    EXPECT_EQ(Utf16ToUtf8(tracker.PreviousWord()), Utf16ToUtf8(c.previous)) << Utf16ToUtf8(c.keys);
  }
}

TEST(WordTracker, ReportsEachWordThatASeparatorEnds) {
  TWordTracker tracker;
  auto done = tracker.Type(u"the cat, sat");
  ASSERT_EQ(done.size(), 2u);
  EXPECT_EQ(done[0].Word, u"the");
  EXPECT_EQ(done[0].Previous, u"");
  EXPECT_EQ(done[1].Word, u"cat");
  EXPECT_EQ(done[1].Previous, u"the");
  done = tracker.Type(u" on rock'n' ");
  ASSERT_EQ(done.size(), 3u);
  EXPECT_EQ(done[0].Word, u"sat");
  EXPECT_EQ(done[0].Previous, u"");    // a comma lay between
  EXPECT_EQ(done[2].Word, u"rock'n");  // the closing quote is left out
  EXPECT_EQ(done[2].Previous, u"on");
  EXPECT_TRUE(tracker.Type(u"  ").empty());
}

TEST(WordTracker, LongTextKeepsTheWordsAtItsEnd) {
  TWordTracker tracker;
  for (int i = 0; i < 500; ++i) tracker.Type(u"word ");
  tracker.Type(u"las");
  EXPECT_EQ(tracker.CurrentWord(), u"las");
  EXPECT_EQ(tracker.PreviousWord(), u"word");
}
