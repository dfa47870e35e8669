#include "i18n/orv_languages.h"
#include "i18n/translation_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t UiEnglish = 0x0409;
constexpr std::uint16_t UiFrench = 0x040C;

struct TranslateCase {
  const wchar_t* Text;
  std::uint16_t Lang;
  const wchar_t* Expected;
};

void ExpectTranslations(const std::vector<TranslateCase>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "lang 0x" << std::hex << c.Lang);
    EXPECT_EQ(Translate(c.Text, c.Lang, UiEnglish), c.Expected);
  }
}

std::vector<std::wstring> AllSourceTexts() {
  std::vector<std::wstring> texts;
  for (std::size_t i = 0; i < SourceTextCount; ++i) texts.push_back(SourceTexts[i].English);
  return texts;
}

// Full language ids as Windows reports them, one per language that has translations.
const std::uint16_t EveryTranslatedLanguage[] = {
    0x0401, 0x0402, 0x0404, 0x0405, 0x0406, 0x0407, 0x0408, 0x0C0A, 0x040C, 0x040E, 0x0410, 0x0411, 0x0412, 0x0413,
    0x0415, 0x0416, 0x0419, 0x0C1A, 0x041B, 0x041D, 0x041F, 0x0422, 0x0423, 0x0424, 0x0426, 0x0429, 0x041A, 0x0804};

}  // namespace

TEST(Translate, EveryLanguageHasItsOwnTexts) {
  ExpectTranslations({
      {L"Enable key repeat", 0x0C01, L"تمكين تكرار المفتاح"},  // Arabic (Egypt)
      {L"Fit width", 0x0402, L"Побиране и ширината"},
      {L"Online Help", 0x0404, L"線上說明"},
      {L"Online Help", 0x0405, L"Online nápověda"},
      {L"Ins", 0x0406, L"Indsæt"},
      {L"Home", 0x0407, L"Pos1"},
      {L"Kind", 0x0408, L"Είδος"},
      {L"PgUp", 0x0C0A, L"RePág"},
      {L"Esc", 0x040C, L"Echap"},
      {L"About %1", 0x040E, L"Bővebben a %1-ról"},
      {L"Del", 0x0410, L"Canc"},
      {L"Close", 0x0411, L"キャンセル"},
      {L"Lock window size", 0x0412, L"크기 잠금"},
      {L"Pause", 0x0413, L"Pauze"},
      {L"Please purchase %1 to access premium features and help us further improve this app.", 0x0415,
       L"Kup “%1”, by zyskać dostęp do dodatkowych fukcji i pomóc nam ulepszać tę aplikację."},
      {L"Fit width", 0x0416, L"Ajustar à largura"},
      {L"Colors", 0x0419, L"Цветовая палитра"},
      {L"Enable key repeat", 0x0C1A, L"Омогући понављање тастера"},
      {L"Kind", 0x041B, L"Druh"},
      {L"Language preferences", 0x041D, L"Språkinställningar"},
      {L"Settings", 0x041F, L"Ayarlar"},
      {L"Like this app? Please, rate it.", 0x0422, L"Подобається це додаток? Будь ласка, оцініть його."},
      {L"Online Keyboard", 0x0423, L"Онлайн клавіятура"},
      {L"Online Keyboard", 0x0424, L"Spletna tipkovnica"},
      {L"About %1", 0x0426, L"Par %1"},
      {L"Online Keyboard", 0x0429, L"صفحه کلید آنلاین"},
      {L"Change keyboard type", 0x041A, L"Aktiviraj slijedeću vrstu tipkovnice"},
      {L"Change colors", 0x0804, L"更改颜色"},
  });
}

TEST(Translate, KeepsBlanksAndInvisibleCharactersOfTranslations) {
  ExpectTranslations({
      {L"Change keyboard type", 0x041F, L"Sonraki klavye tipini etkinleştir "},
      {L"About %1", 0x041F, L"%1 Hakkında "},
      {L"Transparency", 0x041F, L"Şeffaflık "},
      {L"Change colors", 0x0404, L"變更色彩\u200B\u200B"},
      {L"Settings", 0x0401, L"\u200F\u200Fإعدادات"},
      {L"Caps", 0x0410, L"Bloc Maiusc"},
  });
  EXPECT_EQ(Translate(L"Change colors", 0x0404, UiEnglish).size(), 6u);
  EXPECT_EQ(Translate(L"Settings", 0x0401, UiEnglish).size(), 9u);
}

TEST(Translate, OnlineKeyboardSegmentPerLanguage) {
  ExpectTranslations({
      {L"/", 0x0404, L"/cn/"}, {L"/", 0x0C04, L"/cn/"}, {L"/", 0x1004, L"/cn/"}, {L"/", 0x0804, L"/"},
      {L"/", 0x0407, L"/de/"}, {L"/", 0x080A, L"/es/"}, {L"/", 0x100C, L"/fr/"}, {L"/", 0x0410, L"/it/"},
      {L"/", 0x0411, L"/jp/"}, {L"/", 0x0412, L"/kr/"}, {L"/", 0x0813, L"/nl/"}, {L"/", 0x0415, L"/pl/"},
      {L"/", 0x0416, L"/br/"}, {L"/", 0x0816, L"/br/"}, {L"/", 0x0419, L"/ru/"}, {L"/", 0x081D, L"/se/"},
      {L"/", 0x041F, L"/tr/"}, {L"/", 0x0409, L"/"},    {L"/", 0x0809, L"/"},    {L"/", 0x0401, L"/"},
      {L"/", 0x041A, L"/"},    {L"/", 0x0405, L"/"},    {L"/", 0x0C1A, L"/"},
  });
}

// Sub-languages share the primary language's texts, except Chinese (PRC) and Croatian (Croatia).
TEST(Translate, NormalisesTheLanguageId) {
  ExpectTranslations({
      {L"Fit width", 0x0804, L"适合宽度"},       // Chinese (PRC): simplified
      {L"Fit width", 0x0404, L"適合寬度"},       // Taiwan: traditional
      {L"Fit width", 0x0C04, L"適合寬度"},       // Hong Kong
      {L"Fit width", 0x1004, L"適合寬度"},       // Singapore
      {L"Fit width", 0x1404, L"適合寬度"},       // Macao
      {L"Fit width", 0x0004, L"適合寬度"},       // neutral Chinese
      {L"Fit width", 0x041A, L"Podesi širinu"},  // Croatian (Croatia)
      {L"Fit width", 0x101A, L"Попуни ширину"},  // Croatian (Bosnia): Serbian texts
      {L"Fit width", 0x081A, L"Попуни ширину"},  // Serbian, Latin
      {L"Fit width", 0x0C1A, L"Попуни ширину"},  // Serbian, Cyrillic
      {L"Fit width", 0x001A, L"Попуни ширину"},
      {L"Lock window size", 0x0416, L"Fixar o tamanho do painel do teclado"},  // Brazil
      {L"Lock window size", 0x0816, L"Fixar o tamanho do painel do teclado"},  // Portugal
      {L"Shift", 0x0407, L"Umschalt"},
      {L"Shift", 0x0807, L"Umschalt"},  // Switzerland
      {L"Shift", 0x0C07, L"Umschalt"},  // Austria
      {L"Shift", 0x0007, L"Umschalt"},
      {L"Shift", 0x0C0C, L"Maj"},    // Canada
      {L"Shift", 0x080A, L"Mayús"},  // Mexico
  });
}

TEST(Translate, SerbianLacksSomeTextsThatCroatianHas) {
  const wchar_t* const missing[] = {
      L"Settings",
      L"Kind",
      L"Colors",
      L"Close",
      L"Language preferences",
      L"Like this app? Please, rate it.",
      L"Please purchase %1 to access premium features and help us further improve this app."};
  for (const wchar_t* text : missing) {
    SCOPED_TRACE(testing::Message() << static_cast<const void*>(text));
    for (std::uint16_t serbian : {0x081A, 0x0C1A, 0x101A}) EXPECT_EQ(Translate(text, serbian, UiEnglish), text);
  }
  EXPECT_EQ(Translate(L"Settings", 0x041A, UiEnglish), L"Postavke");
  EXPECT_EQ(Translate(L"Like this app? Please, rate it.", 0x041A, UiEnglish),
            L"Sviđa vam se ova aplikacija? Molimo vas da nas ocijenite.");
}

TEST(Translate, MissingEntriesKeepTheEnglishText) {
  ExpectTranslations({
      {L"Enable key repeat", 0x040E, L"Enable key repeat"},  // Hungarian
      {L"Fit width", 0x040E, L"Fit width"},
      {L"Lock window size", 0x040E, L"Lock window size"},
      {L"Change keyboard type", 0x040E, L"Activate the next Keyboard type"},
      {L"Change keyboard type", 0x0408, L"Activate the next Keyboard type"},  // Greek
      {L"Shift", 0x0413, L"Shift"},  // Dutch has only "Pause" among the key names
      {L"Ctrl", 0x040C, L"Ctrl"},    // only German renames Ctrl
      {L"Esc", 0x0407, L"Esc"},
      {L"Shift", 0x0419, L"Shift"},  // key names of languages without any
      {L"Please purchase %1 to access premium features and help us further improve this app.", 0x0406,
       L"Please purchase %1 to access premium features and help us further improve this app."},
      {L"Settings", 0x0403, L"Settings"},                // Catalan: no texts at all
      {L"Online Keyboard", 0x0425, L"Online Keyboard"},  // Estonian
  });
}

TEST(Translate, SlovenianAndPersianTranslateOnlyTheOnlineKeyboardAndTheTextsEveryLanguageHas) {
  // The texts of the keypad layouts, of keeping clear of the text cursor, of the word
  // suggestions, of scanning and of the click sound, the settings dialog's texts of the last two
  // (the Space key's name among them) and those of hover typing are in all 28 languages.
  const std::set<std::wstring> everyLanguage = {
      L"Online Keyboard",
      L"Full",
      L"Numeric pad",
      L"Keep clear of the text cursor",
      L"Word suggestions",
      L"Scanning",
      L"Click sound",
      L"Space after a suggestion",
      L"Learn my words",
      L"Forget learned words",
      L"Forget all the words learned from your typing? This cannot be undone.",
      L"Tick at each step",
      L"Scan time",
      L"Switch key",
      L"Space",
      L"Hover to type",
      L"Hover time"};
  for (std::uint16_t lang : {0x0424, 0x0429}) {
    for (const std::wstring& text : AllSourceTexts()) {
      SCOPED_TRACE(testing::Message() << "lang 0x" << std::hex << lang);
      if (everyLanguage.count(text))
        EXPECT_NE(Translate(text, lang, UiEnglish), text);
      else
        EXPECT_EQ(Translate(text, lang, UiEnglish), text);
    }
  }
}

TEST(Translate, EnglishKeepsEveryText) {
  // Every id whose low 8 bits are 0x09, even with the user interface in another language.
  for (std::uint16_t english : {0x0409, 0x0809, 0x0C09, 0x1009, 0x4009, 0x0009})
    for (const std::wstring& text : AllSourceTexts()) EXPECT_EQ(Translate(text, english, UiFrench), text);
}

TEST(Translate, UnknownTextsAreReturnedUnchanged) {
  const wchar_t* const unknown[] = {
      L"Fit Width",  // letter case matters
      L"fit width",
      L"Fit width ",  // blanks matter
      L" Esc",          L"Settings\u200B",
      L"Umschalt",       // a translation is not a source text
      L"About Orvilla",  // only the text with its placeholder is known
      L"Alt",           L"",
  };
  for (const wchar_t* text : unknown)
    for (std::uint16_t lang : EveryTranslatedLanguage) EXPECT_EQ(Translate(text, lang, UiEnglish), text);
}

TEST(Translate, LanguageZeroMeansTheUserInterfaceLanguage) {
  EXPECT_EQ(Translate(L"Fit width", 0, 0x0407), L"Breite automatisch anpassen");
  EXPECT_EQ(Translate(L"Fit width", 0, 0x0409), L"Fit width");
  EXPECT_EQ(Translate(L"Fit width", 0, 0x0804), L"适合宽度");
  EXPECT_EQ(Translate(L"Fit width", 0, 0x0C04), L"適合寬度");
  EXPECT_EQ(Translate(L"Fit width", 0, 0x041A), L"Podesi širinu");
  EXPECT_EQ(Translate(L"/", 0, 0x0416), L"/br/");
  // A given language wins over the user interface language.
  EXPECT_EQ(Translate(L"Fit width", 0x040C, 0x0407), L"Ajuster la largeur");
  EXPECT_EQ(Translate(L"Fit width", 0x0409, 0x0407), L"Fit width");
}

// How many of the source texts each language translates; guards the table against lost rows.
TEST(TranslationTable, EveryLanguageTranslatesItsShareOfTheTexts) {
  const std::map<std::uint16_t, int> expected = {
      {0x0401, 31}, {0x0402, 31}, {0x0404, 33}, {0x0405, 32}, {0x0406, 40}, {0x0407, 45}, {0x0408, 32},
      {0x0C0A, 45}, {0x040C, 45}, {0x040E, 28}, {0x0410, 44}, {0x0411, 33}, {0x0412, 33}, {0x0413, 34},
      {0x0415, 34}, {0x0416, 33}, {0x0419, 33}, {0x0C1A, 25}, {0x041B, 31}, {0x041D, 33}, {0x041F, 30},
      {0x0422, 32}, {0x0423, 31}, {0x0424, 17}, {0x0426, 31}, {0x0429, 17}, {0x041A, 31}, {0x0804, 32}};
  ASSERT_EQ(SourceTextCount, 48u);
  int total = 0;
  for (std::uint16_t lang : EveryTranslatedLanguage) {
    int translated = 0;
    for (const std::wstring& text : AllSourceTexts())
      if (Translate(text, lang, UiEnglish) != text) ++translated;
    EXPECT_EQ(translated, expected.at(lang)) << "lang 0x" << std::hex << lang;
    total += translated;
  }
  EXPECT_EQ(total, 916);
}

TEST(TranslationTable, SourceTextsAreDistinctAndEachHasTranslations) {
  std::map<std::wstring, int> seen;
  for (std::size_t i = 0; i < SourceTextCount; ++i) {
    ++seen[SourceTexts[i].English];
    EXPECT_GT(SourceTexts[i].TranslationCount, 0u) << i;
  }
  EXPECT_EQ(seen.size(), SourceTextCount);
}

TEST(LabelColon, FrenchGetsABlankBeforeTheColon) {
  struct Case {
    std::uint16_t Lang;
    std::uint16_t UiLang;
    const wchar_t* Expected;
  };
  const Case cases[] =
      {
          {0, 0x040C, L" :"},     {0, 0x080C, L" :"},   {0, 0x0C0C, L" :"},
          {0, 0x0409, L":"},      {0, 0x0407, L":"},    {0, 0x0804, L":"},
          {0x0C, 0x0409, L" :"},  {0x07, 0x040C, L":"}, {0x040C, 0x040C, L":"},  // a given id is compared as it stands
          {0x0409, 0x040C, L":"},
      };
  for (const auto& c : cases)
    EXPECT_EQ(LabelColon(c.Lang, c.UiLang), c.Expected) << "lang 0x" << std::hex << c.Lang << " ui 0x" << c.UiLang;
}

TEST(LabelColon, BuildsTheTranslatedLabel) {
  EXPECT_EQ(Translate(L"Transparency", 0, UiFrench) + LabelColon(0, UiFrench), L"Transparence :");
  EXPECT_EQ(Translate(L"Transparency", 0, 0x0407) + LabelColon(0, 0x0407), L"Transparenz:");
  EXPECT_EQ(Translate(L"Transparency", 0, 0x041F) + LabelColon(0, 0x041F), L"Şeffaflık :");
}
