#include "words/word_list.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t MaxWordLength = 64;

class TReader {
 public:
  explicit TReader(TWordListBytes bytes) : FData(bytes.Data), FSize(bytes.Data ? bytes.Size : 0) {}
  bool Byte(std::uint8_t& value) {
    if (FPos >= FSize) return false;
    value = FData[FPos++];
    return true;
  }
  bool Word16(std::uint16_t& value) {
    std::uint8_t low = 0, high = 0;
    if (!Byte(low) || !Byte(high)) return false;
    value = static_cast<std::uint16_t>(low | (high << 8));
    return true;
  }

 private:
  const std::uint8_t* FData;
  std::size_t FSize;
  std::size_t FPos = 0;
};

}  // namespace

TWordList TWordList::Decode(TWordListBytes bytes) {
  TReader reader(bytes);
  std::uint8_t magic[4] = {};
  for (std::uint8_t& b : magic)
    if (!reader.Byte(b)) return {};
  if (std::string_view(reinterpret_cast<const char*>(magic), 4) != "OWL1") return {};
  std::uint8_t alphabetSize = 0;
  if (!reader.Byte(alphabetSize) || alphabetSize == 0 || alphabetSize > 254) return {};
  std::u16string alphabet(alphabetSize, u'\0');
  for (char16_t& c : alphabet) {
    std::uint16_t code = 0;
    if (!reader.Word16(code)) return {};
    c = static_cast<char16_t>(code);
  }
  std::uint16_t count = 0;
  if (!reader.Word16(count)) return {};

  TWordList list;
  list.FEntries.reserve(count);
  std::u16string previous;
  std::u16string word;
  for (std::uint16_t i = 0; i < count; ++i) {
    std::uint8_t head = 0, frequencyClass = 0;
    if (!reader.Byte(head) || !reader.Byte(frequencyClass)) return {};
    const std::size_t shared = head & 0x7F;
    if (shared > previous.size()) return {};
    word.assign(previous, 0, shared);
    for (;;) {
      std::uint8_t symbol = 0;
      if (!reader.Byte(symbol)) return {};
      if (symbol == 0) break;
      if (symbol > alphabetSize || word.size() >= MaxWordLength) return {};
      word.push_back(alphabet[symbol - 1]);
    }
    if (word.empty() || (i > 0 && word <= previous)) return {};
    list.FEntries.push_back({static_cast<std::uint32_t>(list.FText.size()), static_cast<std::uint8_t>(word.size()),
                             frequencyClass, (head & 0x80) != 0});
    list.FText += word;
    previous.swap(word);
  }
  list.FText.shrink_to_fit();
  std::vector<std::uint16_t> order(list.FEntries.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<std::uint16_t>(i);
  const std::size_t kept = std::min(order.size(), MostFrequentKept);
  std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(kept), order.end(),
                    [&](std::uint16_t a, std::uint16_t b) {
                      return list.FEntries[a].Class != list.FEntries[b].Class
                                 ? list.FEntries[a].Class < list.FEntries[b].Class
                                 : a < b;
                    });
  list.FMostFrequent.assign(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(kept));
  return list;
}

std::u16string_view TWordList::Word(std::size_t index) const {
  const TEntry& e = FEntries[index];
  return std::u16string_view(FText).substr(e.Offset, e.Length);
}

std::pair<std::size_t, std::size_t> TWordList::PrefixRange(std::u16string_view lowerPrefix) const {
  const auto begin = FEntries.begin();
  const auto first = std::partition_point(begin, FEntries.end(), [&](const TEntry& e) {
    return std::u16string_view(FText).substr(e.Offset, e.Length) < lowerPrefix;
  });
  const auto last = std::partition_point(first, FEntries.end(), [&](const TEntry& e) {
    return std::u16string_view(FText).substr(e.Offset, e.Length).substr(0, lowerPrefix.size()) == lowerPrefix;
  });
  return {static_cast<std::size_t>(first - begin), static_cast<std::size_t>(last - begin)};
}

std::size_t TWordList::Find(std::u16string_view lowerWord) const {
  const auto [first, last] = PrefixRange(lowerWord);
  return (first < last && Word(first) == lowerWord) ? first : Size();
}

std::size_t TWordList::MemoryBytes() const {
  return sizeof(*this) + FText.capacity() * sizeof(char16_t) + FEntries.capacity() * sizeof(TEntry) +
         FMostFrequent.capacity() * sizeof(std::uint16_t);
}

double ListWordWeight(std::uint8_t frequencyClass) {
  // The inverse of the packing: rank = exp(class / (255 / ln 10000)).
  const double scale = 255.0 / std::log(10000.0);
  return 1e6 / std::exp(frequencyClass / scale);
}
