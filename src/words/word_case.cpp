#include "words/word_case.h"

namespace {

// Blocks where upper and lower case alternate: even code upper, odd code lower.
bool InAlternatingBlock(char16_t c) {
  return (c >= 0x0100 && c <= 0x012F) || (c >= 0x0132 && c <= 0x0137) || (c >= 0x014A && c <= 0x0177) ||
         (c >= 0x0182 && c <= 0x0185) || (c >= 0x01A0 && c <= 0x01A5) || (c >= 0x01DE && c <= 0x01EF) ||
         (c >= 0x01F8 && c <= 0x021F) || (c >= 0x0460 && c <= 0x0481) || (c >= 0x048A && c <= 0x04BF) ||
         (c >= 0x04D0 && c <= 0x04FF) || (c >= 0x1E00 && c <= 0x1E95) || (c >= 0x1EA0 && c <= 0x1EFF);
}
// Blocks where lower case follows upper case at an odd code.
bool InOddAlternatingBlock(char16_t c) {
  return (c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E) || (c >= 0x01CD && c <= 0x01DC) ||
         (c >= 0x04C1 && c <= 0x04CE);
}

}  // namespace

char16_t ToLowerChar(char16_t c) {
  if (c < 0x80) return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
  if ((c >= 0x00C0 && c <= 0x00DE && c != 0x00D7)) return static_cast<char16_t>(c + 32);
  if (c == 0x0178) return 0x00FF;
  if (c == 0x0130) return u'i';
  if (InAlternatingBlock(c)) return (c % 2 == 0) ? static_cast<char16_t>(c + 1) : c;
  if (InOddAlternatingBlock(c)) return (c % 2 == 1) ? static_cast<char16_t>(c + 1) : c;
  // Greek
  if (c == 0x0386) return 0x03AC;
  if (c >= 0x0388 && c <= 0x038A) return static_cast<char16_t>(c + 37);
  if (c == 0x038C) return 0x03CC;
  if (c == 0x038E || c == 0x038F) return static_cast<char16_t>(c + 63);
  if (c >= 0x0391 && c <= 0x03AB && c != 0x03A2) return static_cast<char16_t>(c + 32);
  // Cyrillic
  if (c >= 0x0400 && c <= 0x040F) return static_cast<char16_t>(c + 80);
  if (c >= 0x0410 && c <= 0x042F) return static_cast<char16_t>(c + 32);
  if (c == 0x04C0) return 0x04CF;
  return c;
}

char16_t ToUpperChar(char16_t c) {
  if (c < 0x80) return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
  if (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7) return static_cast<char16_t>(c - 32);
  if (c == 0x00FF) return 0x0178;
  if (c == 0x0131) return u'I';
  if (InAlternatingBlock(c)) return (c % 2 == 1) ? static_cast<char16_t>(c - 1) : c;
  if (InOddAlternatingBlock(c)) return (c % 2 == 0) ? static_cast<char16_t>(c - 1) : c;
  // Greek; final sigma becomes sigma
  if (c == 0x03AC) return 0x0386;
  if (c >= 0x03AD && c <= 0x03AF) return static_cast<char16_t>(c - 37);
  if (c == 0x03CC) return 0x038C;
  if (c == 0x03CD || c == 0x03CE) return static_cast<char16_t>(c - 63);
  if (c == 0x03C2) return 0x03A3;
  if (c >= 0x03B1 && c <= 0x03CB) return static_cast<char16_t>(c - 32);
  // Cyrillic
  if (c >= 0x0430 && c <= 0x044F) return static_cast<char16_t>(c - 32);
  if (c >= 0x0450 && c <= 0x045F) return static_cast<char16_t>(c - 80);
  if (c == 0x04CF) return 0x04C0;
  return c;
}

std::u16string ToLowerText(std::u16string text) {
  for (char16_t& c : text) c = ToLowerChar(c);
  return text;
}

std::u16string ToUpperText(std::u16string text) {
  for (char16_t& c : text) c = ToUpperChar(c);
  return text;
}

bool IsWordChar(char16_t c) {
  if (c < 0x80) return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
  if (c < 0xC0) return c == 0xAA || c == 0xB5 || c == 0xBA;
  if (c == 0xD7 || c == 0xF7) return false;
  // General punctuation, symbols, arrows, box drawing, CJK punctuation: no word characters.
  if (c >= 0x2000 && c <= 0x2BFF) return false;
  if (c >= 0x3000 && c <= 0x303F) return false;
  if (c >= 0xD800 && c <= 0xDFFF) return false;
  if (c >= 0xE000 && c <= 0xF8FF) return false;  // private use
  if (c >= 0xFE00 && c <= 0xFE6F) return false;  // variation selectors, small forms
  if (c >= 0xFF00 && c <= 0xFF20) return false;  // full-width punctuation
  // Punctuation inside the scripts the lists cover.
  switch (c) {
    case 0x037E:
    case 0x0387:
    case 0x055C:
    case 0x055E:
    case 0x0589:
    case 0x05BE:
    case 0x05C0:
    case 0x05C3:
    case 0x05F3:
    case 0x05F4:
    case 0x060C:
    case 0x061B:
    case 0x061F:
    case 0x066A:
    case 0x066B:
    case 0x066C:
    case 0x066D:
    case 0x06D4:
    case 0x0964:
    case 0x0965: return false;
    default: return true;
  }
}

bool IsWordJoiner(char16_t c) { return c == u'\'' || c == u'-' || c == 0x2019; }

TWordCase CaseOfPrefix(const std::u16string& prefix) {
  if (prefix.empty() || !IsUpperChar(prefix[0])) return TWordCase::Lower;
  int letters = 0;
  for (char16_t c : prefix) {
    if (ToUpperChar(c) != c) return TWordCase::Capitalised;  // a lower-case letter
    if (IsUpperChar(c)) ++letters;
  }
  return letters >= 2 ? TWordCase::Upper : TWordCase::Capitalised;
}

std::u16string ApplyCase(const std::u16string& word, TWordCase wordCase) {
  switch (wordCase) {
    case TWordCase::Upper: return ToUpperText(word);
    case TWordCase::Capitalised: {
      std::u16string result = word;
      if (!result.empty()) result[0] = ToUpperChar(result[0]);
      return result;
    }
    case TWordCase::Lower: break;
  }
  return word;
}
