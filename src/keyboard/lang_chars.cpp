#include "keyboard/lang_chars.h"

TLangCharsList LangCharsList;

int FindLangChars(const TLangCharsList& list, THkl hkl) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].Hkl == hkl) return static_cast<int>(i);
  return -1;
}
