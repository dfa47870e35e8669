#include "i18n/orv_languages.h"

#include "i18n/translation_table.h"

namespace {

constexpr std::uint16_t LangEnglish = 0x09;
constexpr std::uint16_t LangFrench = 0x0C;
constexpr std::uint16_t LangChinesePrc = 0x0804;
constexpr std::uint16_t LangCroatianCroatia = 0x041A;

// The id under which the table keeps a language's texts: Chinese (PRC) and Croatian (Croatia)
// stay whole, every other id is reduced to its low 8 bits.
std::uint16_t TableLang(std::uint16_t Lang) {
  if (Lang == LangChinesePrc || Lang == LangCroatianCroatia) return Lang;
  return Lang & 0xFF;
}

const TSourceText* FindSourceText(const std::wstring& Text) {
  for (std::size_t i = 0; i < SourceTextCount; ++i)
    if (Text == SourceTexts[i].English) return &SourceTexts[i];
  return nullptr;
}

}  // namespace

std::wstring Translate(const std::wstring& Text, std::uint16_t Lang, std::uint16_t UiLang) {
  if (Lang == 0) Lang = UiLang;
  Lang = TableLang(Lang);
  if (Lang == LangEnglish) return Text;
  const TSourceText* source = FindSourceText(Text);
  if (source == nullptr) return Text;
  for (std::size_t i = 0; i < source->TranslationCount; ++i)
    if (source->Translations[i].Lang == Lang) return source->Translations[i].Text;
  return Text;
}

std::wstring LabelColon(std::uint16_t Lang, std::uint16_t UiLang) {
  if (Lang == 0) Lang = UiLang & 0xFF;
  return Lang == LangFrench ? L" :" : L":";
}
