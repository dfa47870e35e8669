#include "app/command_captions.h"

#include <gtest/gtest.h>

TEST(CommandCaptions, EnglishCaptionsWithTheVersionAfterAboutOrvilla) {
  const TCommandCaptions c = TranslateCommandCaptions(0x0409, L"1.0");
  EXPECT_EQ(c.EnableKeyRepeat, L"Enable key repeat");
  EXPECT_EQ(c.LockSize, L"Lock window size");
  EXPECT_EQ(c.OnlineHelp, L"Online Help");
  EXPECT_EQ(c.AboutOrvilla, L"About Orvilla 1.0");
  EXPECT_EQ(c.AboutSentaro, L"About Sentaro");
  EXPECT_EQ(c.Settings, L"Settings");
}

TEST(CommandCaptions, TranslatedIntoTheUserInterfaceLanguage) {
  const TCommandCaptions german = TranslateCommandCaptions(0x0407, L"2.1.4");
  EXPECT_EQ(german.EnableKeyRepeat, L"Tastendruckwiederholung aktivieren");
  EXPECT_EQ(german.AboutOrvilla, L"Über Orvilla 2.1.4");
  EXPECT_EQ(german.AboutSentaro, L"Über Sentaro");
  EXPECT_EQ(german.Settings, L"Einstellungen");

  const TCommandCaptions french = TranslateCommandCaptions(0x040C, L"10.3");
  EXPECT_EQ(french.EnableKeyRepeat, L"Activer la répétition de touche");
  EXPECT_EQ(french.AboutOrvilla, L"A propos de Orvilla 10.3");
}

TEST(CommandCaptions, AnEmptyVersionStillLeavesTheBlank) {
  // The version resource may be missing; the caption is then the translation and one blank.
  EXPECT_EQ(TranslateCommandCaptions(0x0409, L"").AboutOrvilla, L"About Orvilla ");
}
