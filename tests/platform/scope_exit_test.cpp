#include "platform/scope_exit.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(ScopeExit, RunsOnceWhenTheScopeEndsAlsoByAnError) {
  int runs = 0;
  {
    TScopeExit count([&] { ++runs; });
    EXPECT_EQ(runs, 0);
  }
  EXPECT_EQ(runs, 1);
  try {
    TScopeExit count([&] { ++runs; });
    throw std::runtime_error("step failed");
  } catch (const std::runtime_error&) {}
  EXPECT_EQ(runs, 2);
}
