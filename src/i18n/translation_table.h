#pragma once
// The program's fixed translation table: every English source text with its translations,
// keyed by normalised language id (see orv_languages.h for how an id is normalised).
#include <cstddef>
#include <cstdint>

struct TTranslation {
  std::uint16_t Lang;  // normalised language id
  const wchar_t* Text;
};

struct TSourceText {
  const wchar_t* English;
  const TTranslation* Translations;
  std::size_t TranslationCount;
};

// The source texts: the 14 key names, the online keyboard page's language segment "/" and
// the user-interface texts. A language without an entry for a text keeps the English text.
extern const TSourceText SourceTexts[];
extern const std::size_t SourceTextCount;
