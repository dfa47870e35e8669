// Replays a UTF-8 text through the word tracker and the suggestions, as a user would who takes the
// first suggestion that matches the word as soon as it shows, and prints the keystroke saving
// rate: 1 - presses used / characters in the text.
//
//     orvilla_word_replay <text file> <language> [suggestions]
//
// <language> is a word list's name (english, german, ...). Printed: the rate over the whole text
// with the built-in list alone, and over the second half, with the built-in list alone and after
// learning from the first half. With "SuggestionSpace" on (as by default), a suggestion types a
// space after the word; a full stop, comma or the like typed next takes it back by itself, and
// where anything else follows, the user takes it back with Backspace.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "words/utf8_text.h"
#include "words/word_case.h"
#include "words/word_list_files.h"
#include "words/word_prediction.h"

#ifndef ORVILLA_WORD_LISTS
#error "ORVILLA_WORD_LISTS names the folder of the word lists"
#endif

namespace {

struct TReplay {
  std::size_t Characters = 0;
  std::size_t Presses = 0;
  double Saving() const { return Characters ? 1.0 - double(Presses) / double(Characters) : 0.0; }
};

// The end of the word that runs through pos, trailing joiners left out.
std::size_t WordEnd(const std::u16string& text, std::size_t pos) {
  std::size_t end = pos;
  while (end < text.size() && (IsWordChar(text[end]) || IsWordJoiner(text[end]))) ++end;
  while (end > pos && IsWordJoiner(text[end - 1])) --end;
  return end;
}

TReplay Replay(TWordPrediction& prediction, const std::u16string& text, std::size_t count) {
  TReplay replay;
  replay.Characters = text.size();
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::u16string prefix = prediction.Tracker().CurrentWord();
    const std::size_t end = WordEnd(text, pos);
    if (end > pos) {
      const std::u16string word = text.substr(pos - prefix.size(), end - (pos - prefix.size()));
      bool taken = false;
      for (const TSuggestion& suggestion : prediction.Suggestions(count)) {
        if (suggestion.Word != word) continue;
        const bool spaceFollows = end < text.size() && text[end] == u' ';
        prediction.Accept(suggestion, true);
        ++replay.Presses;
        pos = end;
        if (spaceFollows) {
          ++pos;
        } else if (!(pos < text.size() && prediction.TakeBackSpaceBefore(text.substr(pos, 1)))) {
          prediction.Backspace();
          ++replay.Presses;
        }
        taken = true;
        break;
      }
      if (taken) continue;
    }
    prediction.Typed(std::u16string(1, text[pos]));
    ++replay.Presses;
    ++pos;
  }
  return replay;
}

const TWordListCatalogEntry* FindByName(const char* name) {
  for (std::size_t i = 0; i < WordListCatalogSize; ++i)
    if (std::strcmp(WordListCatalog[i].Name, name) == 0) return &WordListCatalog[i];
  return nullptr;
}

void Print(const char* what, const TReplay& replay) {
  std::printf("  %-38s %5.1f%%  (%zu presses for %zu characters)\n", what, 100.0 * replay.Saving(), replay.Presses,
              replay.Characters);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <text file> <language> [suggestions]\n", argv[0]);
    return 2;
  }
  const TWordListCatalogEntry* language = FindByName(argv[2]);
  if (!language) {
    std::fprintf(stderr, "no word list named %s\n", argv[2]);
    return 2;
  }
  const std::size_t count = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : MaxSuggestions;
  std::ifstream file(argv[1], std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  auto text = Utf8ToUtf16(bytes);
  if (!file || !text) {
    std::fprintf(stderr, "%s: no readable UTF-8 text\n", argv[1]);
    return 2;
  }
  // Line ends as Enter types them.
  std::u16string typed;
  for (std::size_t i = 0; i < text->size(); ++i)
    if (!((*text)[i] == u'\r' && i + 1 < text->size() && (*text)[i + 1] == u'\n')) typed += (*text)[i];
  std::size_t half = typed.size() / 2;
  while (half < typed.size() && typed[half] != u' ' && typed[half] != u'\n') ++half;
  const std::u16string first = typed.substr(0, half), second = typed.substr(half);

  TWordListFiles lists(ORVILLA_WORD_LISTS);
  const auto run = [&](const std::u16string& learnFrom, const std::u16string& replayed) {
    TUserWords user;
    TWordPrediction prediction(lists, user);
    prediction.SetLanguage(language->PrimaryLanguage);
    if (!learnFrom.empty()) {
      prediction.Typed(learnFrom);
      prediction.Break();
    } else {
      prediction.SetLearnWords(false);
    }
    return Replay(prediction, replayed, count);
  };
  std::size_t words = 0;
  for (std::size_t i = 0; i < typed.size(); ++i)
    if (IsWordChar(typed[i]) && (i == 0 || !IsWordChar(typed[i - 1]))) ++words;
  std::printf("%s, %s: %zu words, %zu suggestions shown\n", argv[1], language->Name, words, count);
  Print("whole text, built-in list:", run(u"", typed));
  Print("second half, built-in list:", run(u"", second));
  Print("second half, after learning the first:", run(first, second));
  return 0;
}
