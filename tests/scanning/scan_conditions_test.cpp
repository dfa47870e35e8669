#include "scanning/scan_conditions.h"

#include <gtest/gtest.h>

namespace {

TEST(ScanConditions, ScanningRunsOnlyWhileOnAndTheKeyboardIsOnScreen) {
  struct Case {
    TScanConditions conditions;
    bool runs;
  };
  const Case cases[] = {
      {{true, true, false}, true},     // on, on screen
      {{false, true, false}, false},   // switched off
      {{true, false, false}, false},   // not shown yet, or its keys being replaced
      {{true, true, true}, false},     // minimised
      {{true, false, true}, false},    // minimised before it was shown
      {{false, false, false}, false},  // off, not shown
      {{false, true, true}, false},    // off, minimised
      {{false, false, true}, false},   // off, never on screen
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScanMayRun(c.conditions), c.runs)
        << "on " << c.conditions.On << ", shown " << c.conditions.Shown << ", minimised " << c.conditions.Minimised;
  }
}

}  // namespace
