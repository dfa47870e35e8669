#include "words/user_words.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <optional>

#include "words/learning_rules.h"
#include "words/utf8_text.h"
#include "words/word_case.h"

namespace {

constexpr char FileHeader[] = "Orvilla learned words 1";

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

template <typename T>
bool ParseNumber(std::string_view text, T& value, int base) {
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return error == std::errc() && end == text.data() + text.size();
}

// A stored word that passes the learning rules, or nothing.
std::optional<std::u16string> StoredWord(std::string_view field) {
  auto word = Utf8ToUtf16(field);
  if (!word || !IsLearnableWord(*word)) return std::nullopt;
  return word;
}

std::string Hex(std::uint16_t value) {
  char buffer[8];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof(buffer), value, 16);
  return std::string(buffer, end);
}

}  // namespace

void TUserWords::Add(std::uint16_t language, const std::u16string& word, std::uint32_t count) {
  TWordMap& words = FLanguages[language].Words;
  const std::u16string lower = ToLowerText(word);
  auto [it, added] = words.try_emplace(lower);
  if (added) {
    it->second.Form = word;
    ++FWords;
  } else if (word == lower) {
    it->second.Form = lower;  // once typed in lower case, shown so
  }
  it->second.Count = std::min(MaxCount, it->second.Count + count);
}

void TUserWords::Learn(std::uint16_t language, const std::u16string& word, const std::u16string& previous) {
  Add(language, word, 1);
  if (!previous.empty()) {
    auto& pairs = FLanguages[language].Pairs;
    auto [it, added] = pairs.try_emplace({ToLowerText(previous), ToLowerText(word)}, 0);
    if (added) ++FPairs;
    it->second = std::min(MaxCount, it->second + 1);
  }
  FChanged = true;
  Prune();
}

namespace {

// Keeps the keep most used entries of maps (count read by countOf), the others go; answers how
// many are left.
template <typename TMaps, typename TGetMap, typename TCountOf>
std::size_t KeepMostUsed(TMaps& languages, TGetMap getMap, TCountOf countOf, std::size_t keep) {
  std::vector<std::uint32_t> counts;
  for (auto& [language, entries] : languages)
    for (const auto& entry : getMap(entries)) counts.push_back(countOf(entry));
  if (counts.size() <= keep) return counts.size();
  std::nth_element(counts.begin(), counts.begin() + static_cast<std::ptrdiff_t>(keep - 1), counts.end(),
                   std::greater<>());
  const std::uint32_t threshold = counts[keep - 1];
  std::size_t atThreshold =
      static_cast<std::size_t>(std::count_if(counts.begin(), counts.begin() + static_cast<std::ptrdiff_t>(keep),
                                             [&](std::uint32_t c) { return c == threshold; }));
  std::size_t kept = 0;
  for (auto& [language, entries] : languages) {
    auto& map = getMap(entries);
    for (auto it = map.begin(); it != map.end();) {
      const std::uint32_t count = countOf(*it);
      if (count > threshold || (count == threshold && atThreshold > 0)) {
        if (count == threshold) --atThreshold;
        ++kept;
        ++it;
      } else {
        it = map.erase(it);
      }
    }
  }
  return kept;
}

}  // namespace

void TUserWords::Prune() {
  // Over a limit, the least used entries go until a tenth of the room is free again, so that
  // pruning is rare.
  if (FWords > MaxWords)
    FWords = KeepMostUsed(
        FLanguages, [](TLanguage& l) -> TWordMap& { return l.Words; },
        [](const auto& entry) { return entry.second.Count; }, MaxWords - MaxWords / 10);
  if (FPairs > MaxPairs)
    FPairs = KeepMostUsed(
        FLanguages, [](TLanguage & l) -> auto& { return l.Pairs; }, [](const auto& entry) { return entry.second; },
        MaxPairs - MaxPairs / 10);
}

void TUserWords::Clear() {
  FLanguages.clear();
  FWords = FPairs = 0;
  FChanged = true;
}

std::pair<TUserWords::TWordMap::const_iterator, TUserWords::TWordMap::const_iterator> TUserWords::PrefixRange(
    std::uint16_t language, const std::u16string& lowerPrefix) const {
  const auto found = FLanguages.find(language);
  if (found == FLanguages.end()) return {};
  const TWordMap& words = found->second.Words;
  auto first = words.lower_bound(lowerPrefix);
  auto last = first;
  while (last != words.end() && last->first.compare(0, lowerPrefix.size(), lowerPrefix) == 0) ++last;
  return {first, last};
}

std::uint32_t TUserWords::Count(std::uint16_t language, const std::u16string& lowerWord) const {
  const auto found = FLanguages.find(language);
  if (found == FLanguages.end()) return 0;
  const auto word = found->second.Words.find(lowerWord);
  return word == found->second.Words.end() ? 0 : word->second.Count;
}

std::vector<std::pair<std::u16string, std::uint32_t>> TUserWords::NextWords(std::uint16_t language,
                                                                            const std::u16string& lowerPrevious) const {
  std::vector<std::pair<std::u16string, std::uint32_t>> next;
  const auto found = FLanguages.find(language);
  if (found == FLanguages.end()) return next;
  const auto& pairs = found->second.Pairs;
  for (auto it = pairs.lower_bound({lowerPrevious, u""}); it != pairs.end() && it->first.first == lowerPrevious; ++it)
    next.emplace_back(it->first.second, it->second);
  return next;
}

std::size_t TUserWords::WordCount() const { return FWords; }

std::string TUserWords::Serialize() const {
  std::string text = FileHeader;
  text += '\n';
  for (const auto& [language, entries] : FLanguages) {
    const std::string prefix = Hex(language) + '\t';
    for (const auto& [lower, word] : entries.Words)
      text += prefix + Utf16ToUtf8(word.Form) + '\t' + std::to_string(word.Count) + '\n';
    for (const auto& [pair, count] : entries.Pairs)
      text += prefix + Utf16ToUtf8(pair.first) + '\t' + Utf16ToUtf8(pair.second) + '\t' + std::to_string(count) + '\n';
  }
  return text;
}

void TUserWords::Load(std::string_view text) {
  if (text.size() > MaxFileBytes) {
    text = text.substr(0, MaxFileBytes);
    text = text.substr(0, text.rfind('\n') + 1);  // the line cut in two is dropped
  }
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto fields = SplitTabs(line);
    if (fields.size() != 3 && fields.size() != 4) continue;
    std::uint16_t language = 0;
    std::uint32_t count = 0;
    if (!ParseNumber(fields[0], language, 16) || language == 0 || language > 0x3FF) continue;
    if (!ParseNumber(fields.back(), count, 10) || count == 0) continue;
    count = std::min(count, MaxCount);
    const auto word = StoredWord(fields[1]);
    if (!word) continue;
    if (fields.size() == 3) {
      Add(language, *word, count);
    } else {
      const auto next = StoredWord(fields[2]);
      if (!next) continue;
      auto [it, added] = FLanguages[language].Pairs.try_emplace({ToLowerText(*word), ToLowerText(*next)}, 0);
      if (added) ++FPairs;
      it->second = std::min(MaxCount, it->second + count);
    }
  }
  Prune();
}
