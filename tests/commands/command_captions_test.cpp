#include "commands/command_captions.h"

#include <gtest/gtest.h>

TEST(CommandCaptions, EnglishCaptionsWithTheVersionAfterAboutOrvilla) {
  const TCommandCaptions c = TranslateCommandCaptions(0x0409, L"1.0");
  EXPECT_EQ(c.Of(TCommandId::EnableKeyRepeat), L"Enable key repeat");
  EXPECT_EQ(c.Of(TCommandId::LockSize), L"Lock window size");
  EXPECT_EQ(c.Of(TCommandId::OnlineHelp), L"Online Help");
  EXPECT_EQ(c.Of(TCommandId::AboutOrvilla), L"About Orvilla 1.0");
  EXPECT_EQ(c.Of(TCommandId::AboutSentaro), L"About Sentaro");
  EXPECT_EQ(c.Of(TCommandId::Settings), L"Settings");
}

TEST(CommandCaptions, TranslatedIntoTheUserInterfaceLanguage) {
  const TCommandCaptions german = TranslateCommandCaptions(0x0407, L"2.1.4");
  EXPECT_EQ(german.Of(TCommandId::EnableKeyRepeat), L"Tastendruckwiederholung aktivieren");
  EXPECT_EQ(german.Of(TCommandId::AboutOrvilla), L"Über Orvilla 2.1.4");
  EXPECT_EQ(german.Of(TCommandId::AboutSentaro), L"Über Sentaro");
  EXPECT_EQ(german.Of(TCommandId::Settings), L"Einstellungen");

  const TCommandCaptions french = TranslateCommandCaptions(0x040C, L"10.3");
  EXPECT_EQ(french.Of(TCommandId::EnableKeyRepeat), L"Activer la répétition de touche");
  EXPECT_EQ(french.Of(TCommandId::AboutOrvilla), L"A propos de Orvilla 10.3");
}

TEST(CommandCaptions, AnEmptyVersionStillLeavesTheBlank) {
  // The version resource may be missing; the caption is then the translation and one blank.
  EXPECT_EQ(TranslateCommandCaptions(0x0409, L"").Of(TCommandId::AboutOrvilla), L"About Orvilla ");
}
