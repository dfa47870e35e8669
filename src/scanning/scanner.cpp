#include "scanning/scanner.h"

#include <algorithm>

int LimitScanTime(int milliseconds) { return std::clamp(milliseconds, ScanTimeMin, ScanTimeMax); }

TScanner::TScanner(int interval) : FInterval(LimitScanTime(interval)) {}

void TScanner::SetInterval(int interval) { FInterval = LimitScanTime(interval); }

void TScanner::Restart(std::uint32_t now, std::uint32_t length) {
  FStepStart = now;
  FStepLength = length;
}

void TScanner::Start(const std::vector<int>& rowSizes, std::uint32_t now) {
  FRowSizes.clear();
  for (int size : rowSizes)
    if (size > 0) FRowSizes.push_back(size);
  FRunning = true;
  FRow = FRowSizes.empty() ? -1 : 0;
  FItem = -1;
  FPasses = 0;
  Restart(now, static_cast<std::uint32_t>(FInterval));
}

void TScanner::Stop() {
  FRunning = false;
  FRowSizes.clear();
  FRow = FItem = -1;
}

void TScanner::Step() {
  if (FItem < 0) {
    FRow = (FRow + 1) % static_cast<int>(FRowSizes.size());
    return;
  }
  if (++FItem < FRowSizes[FRow]) return;
  if (++FPasses >= 2) {
    FItem = -1;  // back to the rows, on this row
    return;
  }
  FItem = 0;
}

bool TScanner::Tick(std::uint32_t now) {
  if (!FRunning || FRow < 0) return false;
  const std::uint32_t elapsed = now - FStepStart;
  if (elapsed < FStepLength) return false;
  Step();
  // The next step keeps the rhythm unless the clock came far too late for that.
  const std::uint32_t interval = static_cast<std::uint32_t>(FInterval);
  if (elapsed - FStepLength < interval)
    Restart(FStepStart + FStepLength, interval);
  else
    Restart(now, interval);
  return true;
}

TSwitchResult TScanner::Switch(std::uint32_t now) {
  if (!FRunning || FRow < 0) return TSwitchResult::Ignored;
  if (FPressed && now - FLastPress < SwitchBounceTime) return TSwitchResult::Ignored;
  FPressed = true;
  FLastPress = now;
  if (FItem < 0) {
    FItem = 0;
    FPasses = 0;
    Restart(now, static_cast<std::uint32_t>(FInterval) * 3 / 2);
    return TSwitchResult::RowChosen;
  }
  FChosenRow = FRow;
  FChosenItem = FItem;
  FRow = 0;
  FItem = -1;
  Restart(now, static_cast<std::uint32_t>(FInterval));
  return TSwitchResult::ItemChosen;
}
