#include "words/suggestion_engine.h"

#include <algorithm>

#include "words/user_words.h"
#include "words/word_case.h"
#include "words/word_list.h"

namespace {

// A use by the user weighs as much as a list word of rank 50; one use after the previous word as
// one of rank 10.
constexpr double UseWeight = 20000;
constexpr double PairWeight = 100000;
// Next words are ordered by how often they followed; every list weight is below this.
constexpr double NextWordWeight = 1e7;

struct TCandidate {
  std::u16string Form;  // lower case, or capitalised when the word is shown so
  double Score;
};

void AddCandidate(std::vector<TCandidate>& candidates, std::u16string form, double score) {
  candidates.push_back({std::move(form), score});
}

std::vector<TCandidate> Best(std::vector<TCandidate> candidates, std::size_t count) {
  const auto better = [](const TCandidate& a, const TCandidate& b) {
    return a.Score != b.Score ? a.Score > b.Score : a.Form < b.Form;
  };
  if (candidates.size() > count) {
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(count), candidates.end(),
                      better);
    candidates.resize(count);
  } else {
    std::sort(candidates.begin(), candidates.end(), better);
  }
  return candidates;
}

std::vector<TCandidate> Completions(const TSuggestionQuery& query, const TWordList* list, const TUserWords& user) {
  const std::u16string lowerPrefix = ToLowerText(query.Prefix);
  std::vector<std::pair<std::u16string, std::uint32_t>> pairs;
  if (!query.Previous.empty()) pairs = user.NextWords(query.Language, ToLowerText(query.Previous));
  const auto pairCount = [&](std::u16string_view lower) -> std::uint32_t {
    for (const auto& [next, count] : pairs)
      if (next == lower) return count;
    return 0;
  };

  std::vector<TCandidate> candidates;
  if (list) {
    const auto [first, last] = list->PrefixRange(lowerPrefix);
    candidates.reserve(last - first);
    for (std::size_t i = first; i < last; ++i) {
      const std::u16string_view lower = list->Word(i);
      if (lower.size() == lowerPrefix.size()) continue;  // the prefix itself
      const std::u16string lowerWord(lower);
      double score = ListWordWeight(list->FrequencyClass(i)) + UseWeight * user.Count(query.Language, lowerWord) +
                     PairWeight * pairCount(lower);
      std::u16string form = lowerWord;
      if (list->Capitalised(i)) form[0] = ToUpperChar(form[0]);
      AddCandidate(candidates, std::move(form), score);
    }
  }
  const auto [first, last] = user.PrefixRange(query.Language, lowerPrefix);
  for (auto it = first; it != last; ++it) {
    const auto& [lower, word] = *it;
    if (lower.size() == lowerPrefix.size() || word.Count < MinUsesOfNewWord) continue;
    if (list && list->Find(lower) < list->Size()) continue;  // counted above
    AddCandidate(candidates, word.Form, UseWeight * word.Count + PairWeight * pairCount(lower));
  }
  return Best(std::move(candidates), query.Count);
}

// Before the first letter: the words the user typed after the previous word, the most often
// first, then the list's most frequent words, raised by the user's own use of them.
std::vector<TCandidate> StartingWords(const TSuggestionQuery& query, const TWordList* list, const TUserWords& user) {
  std::vector<TCandidate> candidates;
  std::vector<std::pair<std::u16string, std::uint32_t>> next;
  if (!query.Previous.empty()) next = user.NextWords(query.Language, ToLowerText(query.Previous));
  for (auto& [lower, count] : next) {
    double score = NextWordWeight * count;  // the list's weight only breaks ties
    std::u16string form = lower;
    const auto [first, last] = user.PrefixRange(query.Language, lower);
    if (first != last && first->first == lower) form = first->second.Form;
    if (list) {
      const std::size_t i = list->Find(lower);
      if (i < list->Size()) {
        score += ListWordWeight(list->FrequencyClass(i));
        if (list->Capitalised(i)) form[0] = ToUpperChar(form[0]);
      }
    }
    AddCandidate(candidates, std::move(form), score);
  }
  if (list) {
    for (const std::uint16_t i : list->MostFrequent()) {
      const std::u16string lower(list->Word(i));
      const bool followed = std::any_of(next.begin(), next.end(), [&](const auto& n) { return n.first == lower; });
      if (followed) continue;
      std::u16string form = lower;
      if (list->Capitalised(i)) form[0] = ToUpperChar(form[0]);
      AddCandidate(candidates, std::move(form),
                   ListWordWeight(list->FrequencyClass(i)) + UseWeight * user.Count(query.Language, lower));
    }
  }
  return Best(std::move(candidates), query.Count);
}

}  // namespace

std::vector<TSuggestion> Suggest(const TSuggestionQuery& query, const TWordList* list, const TUserWords& user) {
  std::vector<TSuggestion> suggestions;
  if (query.Count == 0) return suggestions;
  std::vector<TCandidate> best;
  if (!query.Prefix.empty())
    best = Completions(query, list, user);
  else
    best = StartingWords(query, list, user);
  const TWordCase wordCase = CaseOfPrefix(query.Prefix);
  for (const TCandidate& candidate : best) {
    std::u16string rest = ApplyCase(candidate.Form, wordCase).substr(query.Prefix.size());
    suggestions.push_back({query.Prefix + rest, std::move(rest)});
  }
  return suggestions;
}
