#include "scanning/scan_typing.h"

#include "input/pointer_input.h"
#include "keyboard/lv_keyboard.h"
#include "render/lv_btn.h"

TScanTyping::TScanTyping(TLvKeyboard& keyboard, TPointerInput& pointer, int interval, TScanLeadingRow* leading)
    : FScanner(interval), FKeyboard(keyboard), FPointer(pointer), FLeading(leading) {}

void TScanTyping::FindRows() {
  FRows = ComputeScanRows(FKeyboard);
  FHasLeadingRow = false;
  if (FLeading) {
    TScanRow leading = FLeading->Row();
    if (!leading.empty()) {
      FRows.insert(FRows.begin(), std::move(leading));
      FHasLeadingRow = true;
    }
  }
}

void TScanTyping::Start(std::uint32_t now) {
  ReleasePressed();
  FindRows();
  FScanner.Start(ScanRowSizes(FRows), now);
  ShowHighlight();
}

void TScanTyping::KeysMoved(std::uint32_t now) {
  if (!Running()) return;
  const std::vector<int> before = ScanRowSizes(FRows);
  FindRows();
  if (ScanRowSizes(FRows) != before) FScanner.Start(ScanRowSizes(FRows), now);
  ShowHighlight();
}

void TScanTyping::SetLeadingRow(TScanLeadingRow* leading, std::uint32_t now) {
  if (leading == FLeading) return;
  if (FLeading) FLeading->ShowHighlight(false, -1);
  FLeading = leading;
  FHasLeadingRow = false;
  if (Running()) Start(now);
}

void TScanTyping::Stop() {
  ReleasePressed();
  FScanner.Stop();
  FRows.clear();
  ShowHighlight();
}

bool TScanTyping::Tick(std::uint32_t now) {
  ReleasePressed();
  if (!FScanner.Tick(now)) return false;
  ShowHighlight();
  return true;
}

TSwitchResult TScanTyping::Switch(std::uint32_t now) {
  const TSwitchResult result = FScanner.Switch(now);
  if (result == TSwitchResult::ItemChosen) {
    ReleasePressed();
    Press(FRows[FScanner.ChosenRow()][FScanner.ChosenItem()]);
  }
  if (result != TSwitchResult::Ignored) ShowHighlight();
  return result;
}

void TScanTyping::Press(const TScanItem& item) {
  if (item.Kind == TScanItemKind::Suggestion) {
    if (FLeading) FLeading->Press(item.Index);
    return;
  }
  // Which part of a two-part outline is pressed is the key's to know, as a pointer moving there
  // would have told it.
  if (TLvBtn* key = FKeyboard.Key(item.Code)) {
    bool extended = false;
    if (key->HitTest(item.Point.x, item.Point.y, extended)) key->SetExtended(extended);
  }
  FPressedAt = item.Point;
  FReleasePending = true;
  FPointer.pbKeyboardMouseDown(TSender::None, TMouseButton::Left, item.Point.x, item.Point.y, TMessageOrigin{});
}

void TScanTyping::ReleasePressed() {
  if (!FReleasePending) return;
  FReleasePending = false;
  FPointer.pbKeyboardMouseUp(TSender::None, TMouseButton::Left, FPressedAt.x, FPressedAt.y, TMessageOrigin{});
}

void TScanTyping::ShowHighlight() {
  const int row = FScanner.Row();
  const int item = FScanner.Item();
  const int firstKeyRow = FHasLeadingRow ? 1 : 0;
  if (FLeading) FLeading->ShowHighlight(FHasLeadingRow && row == 0, FHasLeadingRow ? item : -1);
  std::vector<std::uint8_t> codes;
  if (row >= firstKeyRow) {
    const TScanRow& shown = FRows[row];
    if (item < 0) {
      for (const TScanItem& i : shown) codes.push_back(i.Code);
    } else {
      codes.push_back(shown[item].Code);
    }
  }
  FKeyboard.SetScanHighlight(codes);
}
