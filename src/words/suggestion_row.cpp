#include "words/suggestion_row.h"

#include <algorithm>

#include "words/suggestion_engine.h"

std::size_t SuggestionSlotCount(int width, int minButtonWidth) {
  const int fit = minButtonWidth > 0 ? width / minButtonWidth : 0;
  return std::clamp<std::size_t>(fit > 0 ? static_cast<std::size_t>(fit) : 0, MinSlots, MaxSuggestions);
}

std::vector<TRect> SuggestionSlots(int width, int height, std::size_t count, int gap) {
  std::vector<TRect> slots;
  if (count == 0) return slots;
  const int n = static_cast<int>(count);
  const int inner = std::max(0, width - gap * (n + 1));
  for (int i = 0; i < n; ++i) {
    // Spread the remainder so that the buttons end exactly at the right edge's gap.
    const int left = gap + i * gap + inner * i / n;
    const int right = gap + i * gap + inner * (i + 1) / n;
    slots.push_back({left, gap, right, std::max(gap, height - gap)});
  }
  return slots;
}

std::size_t SuggestionSlotAt(const std::vector<TRect>& slots, int x, int y) {
  for (std::size_t i = 0; i < slots.size(); ++i)
    if (x >= slots[i].Left && x < slots[i].Right && y >= slots[i].Top && y < slots[i].Bottom) return i;
  return slots.size();
}
