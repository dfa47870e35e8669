#include "words/suggestion_row.h"

#include <algorithm>

#include "words/suggestion_engine.h"

int SuggestionRowHeight(int clientHeight) {
  return std::min(std::max(clientHeight, 0), std::clamp(clientHeight / 7, MinRowHeight, MaxRowHeight));
}

int ClientHeightWithRow(int keysHeight) {
  // The keys' height, client height minus row, grows by 0 or 1 with each pixel of the client
  // height: every keys' height has a client height, and the least one has the least row.
  const int keys = std::max(keysHeight, 0);
  for (int row = MinRowHeight; row < MaxRowHeight; ++row)
    if (SuggestionRowHeight(keys + row) == row) return keys + row;
  return keys + MaxRowHeight;
}

TRect KeyAreaBelowRow(const TRect& client, bool rowShown) {
  TRect area = client;
  if (rowShown) area.Top = client.Top + SuggestionRowHeight(client.Height());
  return area;
}

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
