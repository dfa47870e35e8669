#include "keyboard/vk_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(VKNames, SpotCheckedEntries) {
  struct Entry {
    int code;
    const wchar_t* name;
  };
  const Entry entries[] = {
      {1, L"LeftButton"}, {8, L"Backsp"},  {13, L"Enter"},  {20, L"Caps"}, {27, L"Esc"},
      {44, L"PrtSc"},     {48, L"0"},      {57, L"9"},      {65, L"A"},    {90, L"Z"},
      {96, L"Nm 0"},      {105, L"Nm 9"},  {108, L"Sepr."}, {112, L"F1"},  {135, L"F24"},
      {160, L"Shift"},    {165, L"AltGr"}, {191, L"?"},     {220, L"\\"},  {222, L"\""},
      {223, L"8"},        {226, L"\\"},    {246, L"ATTN"},  {253, L"PA1"}, {255, L"MEDIA_"},
  };
  for (const Entry& e : entries) EXPECT_EQ(std::wstring(VKNames[e.code]), e.name) << e.code;
}

TEST(VKNames, SixtyFiveCodesHaveNoName) {
  int unnamed = 0;
  for (int code = 1; code <= 255; ++code) {
    ASSERT_NE(VKNames[code], nullptr) << code;
    if (VKNames[code][0] == L'\0') ++unnamed;
  }
  EXPECT_EQ(unnamed, 65);
  for (int code : {7, 10, 22, 58, 64, 94, 136, 143, 152, 159, 184, 193, 218, 224, 232}) {
    EXPECT_STREQ(VKNames[code], L"") << code;
  }
}

}  // namespace
