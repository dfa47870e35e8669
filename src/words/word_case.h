#pragma once
// Letter case of the characters the word lists hold (Latin, Greek, Cyrillic and the scripts
// without case), and what counts as a character of a word.
#include <string>

char16_t ToLowerChar(char16_t c);
char16_t ToUpperChar(char16_t c);
inline bool IsUpperChar(char16_t c) { return ToLowerChar(c) != c; }

std::u16string ToLowerText(std::u16string text);
std::u16string ToUpperText(std::u16string text);

// A letter, a combining mark or a digit: what a word is made of. Apostrophes and hyphens join
// words ("d'un", "e-mail") and are judged by the word tracker.
bool IsWordChar(char16_t c);
bool IsWordJoiner(char16_t c);

// How a typed prefix is written, and the same form given to a word.
enum class TWordCase { Lower, Capitalised, Upper };
// Upper for two or more letters all in capitals, Capitalised for a capital first letter, else
// Lower.
TWordCase CaseOfPrefix(const std::u16string& prefix);
std::u16string ApplyCase(const std::u16string& word, TWordCase wordCase);
