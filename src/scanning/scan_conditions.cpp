#include "scanning/scan_conditions.h"

bool ScanMayRun(const TScanConditions& conditions) {
  return conditions.On && conditions.Shown && !conditions.Minimised;
}
