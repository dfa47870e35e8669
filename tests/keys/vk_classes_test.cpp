#include "keys/vk_classes.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <ostream>
#include <set>
#include <utility>

namespace {

// Builds a set of codes from inclusive ranges {first, last}.
std::set<int> Codes(std::initializer_list<std::pair<int, int>> ranges) {
  std::set<int> s;
  for (const auto& r : ranges)
    for (int c = r.first; c <= r.second; ++c) s.insert(c);
  return s;
}

struct ClassCase {
  const char* Name;
  std::function<bool(std::uint8_t)> Predicate;
  std::set<int> Members;
};

void PrintTo(const ClassCase& c, std::ostream* os) { *os << c.Name; }

class VkClassTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(VkClassTest, HoldsExactlyItsCodes) {
  const ClassCase& c = GetParam();
  for (int code = 0; code <= 255; ++code)
    EXPECT_EQ(c.Predicate(static_cast<std::uint8_t>(code)), c.Members.count(code) == 1) << c.Name << " of " << code;
}

INSTANTIATE_TEST_SUITE_P(
    AllClasses, VkClassTest,
    ::testing::Values(
        ClassCase{"IsModifierVk", IsModifierVk, Codes({{91, 92}, {160, 165}})},
        ClassCase{"IsLockOrModifierVk", IsLockOrModifierVk, Codes({{20, 20}, {91, 92}, {144, 145}, {160, 165}})},
        ClassCase{"IsCharacterVk", IsCharacterVk, Codes({{32, 32}, {48, 90}, {96, 111}, {186, 194}, {219, 226}})},
        ClassCase{"IsPositionVk", IsPositionVk, Codes({{48, 90}, {186, 194}, {219, 226}})},
        ClassCase{"IsExtendedVk", IsExtendedVk,
                  Codes({{33, 46},
                         {91, 93},
                         {95, 95},
                         {111, 111},
                         {144, 144},
                         {161, 161},
                         {163, 163},
                         {165, 165},
                         {166, 183}})},
        ClassCase{"IsCommandVk", IsCommandVk,
                  Codes({{8, 9}, {13, 13}, {19, 25}, {27, 27}, {33, 40}, {44, 46}, {91, 93}, {144, 145}, {160, 165}})},
        ClassCase{"IsFunctionVk", IsFunctionVk, Codes({{112, 135}, {166, 183}, {232, 232}})}),
    [](const ::testing::TestParamInfo<ClassCase>& info) { return info.param.Name; });

TEST(VkClasses, LeftModifiersAreNotExtendedButRightOnesAre) {
  for (int left : {160, 162, 164}) EXPECT_FALSE(IsExtendedVk(static_cast<std::uint8_t>(left)));
  for (int right : {161, 163, 165}) EXPECT_TRUE(IsExtendedVk(static_cast<std::uint8_t>(right)));
  // Enter, Backspace, Escape and Pause are sent without the flag.
  for (int code : {13, 8, 27, 19}) EXPECT_FALSE(IsExtendedVk(static_cast<std::uint8_t>(code)));
}

}  // namespace
