// The keyboard INPUT records of on-screen keys, and the pen/touch signature of the message being
// handled, on Windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "input/win32/pointer_messages.h"
#include "input/win32/send_key_event.h"
#include "keys/vk_classes.h"

namespace {

struct TRecordCase {
  const char* Name;
  std::uint16_t Code;
  bool Extended;  // as the press logic sends it
  WORD Scan;      // English (United States)
};

std::ostream& operator<<(std::ostream& os, const TRecordCase& c) { return os << c.Name; }

class KeyInputRecord : public testing::TestWithParam<TRecordCase> {};

TEST_P(KeyInputRecord, NamesTheCodeItsScanCodeAndTheFlags) {
  const TRecordCase& c = GetParam();
  if (c.Code != 13) {
    EXPECT_EQ(IsExtendedVk(static_cast<std::uint8_t>(c.Code)), c.Extended);
  }
  const DWORD ext = c.Extended ? KEYEVENTF_EXTENDEDKEY : 0;
  for (bool up : {false, true}) {
    const INPUT input = MakeKeyInput(c.Code, up, c.Extended);
    EXPECT_EQ(input.type, static_cast<DWORD>(INPUT_KEYBOARD));
    EXPECT_EQ(input.ki.wVk, c.Code);
    EXPECT_EQ(input.ki.wScan, c.Scan);
    EXPECT_EQ(input.ki.dwFlags, (up ? KEYEVENTF_KEYUP : 0u) | ext) << (up ? "up" : "down");
    EXPECT_EQ(input.ki.time, 0u);
    EXPECT_EQ(input.ki.dwExtraInfo, 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(OnScreenKeys, KeyInputRecord,
                         testing::Values(TRecordCase{"A", 0x41, false, 0x1E}, TRecordCase{"RightAlt", 165, true, 0x38},
                                         TRecordCase{"RightShift", 161, true, 0x36},
                                         TRecordCase{"LeftShift", 160, false, 0x2A},
                                         TRecordCase{"Delete", 46, true, 0x53}, TRecordCase{"Left", 37, true, 0x4B},
                                         TRecordCase{"Up", 38, true, 0x48}, TRecordCase{"Right", 39, true, 0x4D},
                                         TRecordCase{"Down", 40, true, 0x50}, TRecordCase{"Enter", 13, false, 0x1C},
                                         TRecordCase{"PadEnter", 13, true, 0x1C}),
                         [](const testing::TestParamInfo<TRecordCase>& info) { return std::string(info.param.Name); });

TEST(KeyInputRecord, FlagValuesAreTheSystemOnes) {
  EXPECT_EQ(MakeKeyInput(165, false, true).ki.dwFlags, 0x0001u);
  EXPECT_EQ(MakeKeyInput(165, true, true).ki.dwFlags, 0x0003u);
  EXPECT_EQ(MakeKeyInput(160, true, false).ki.dwFlags, 0x0002u);
  EXPECT_EQ(sizeof(INPUT), sizeof(void*) == 4 ? 28u : 40u);
}

// The extra information of the message being handled is set for this thread as the system sets
// it for a mouse message generated from pen or touch.
class MessageExtraInfo : public testing::Test {
 protected:
  void SetUp() override { FSaved = SetMessageExtraInfo(0); }
  void TearDown() override { SetMessageExtraInfo(FSaved); }
  LPARAM FSaved = 0;
};

TEST_F(MessageExtraInfo, SignatureTellsTouchFromPen) {
  struct {
    std::uint32_t Value;
    bool Touch, Pen;
  } const cases[] = {
      {0xFF515780, true, false}, {0xFF5157FF, true, false},  {0xFF515700, false, true},
      {0xFF51577F, false, true}, {0x00000000, false, false}, {0xFF525780, false, false},
  };
  for (const auto& c : cases) {
    SetMessageExtraInfo(static_cast<LPARAM>(static_cast<LONG>(c.Value)));
    EXPECT_EQ(IsTouchMessage(), c.Touch) << std::hex << c.Value;
    EXPECT_EQ(IsPenMessage(), c.Pen) << std::hex << c.Value;
    const TMessageOrigin origin = CurrentMessageOrigin();
    EXPECT_EQ(origin.Touch, c.Touch) << std::hex << c.Value;
    EXPECT_EQ(origin.Pen, c.Pen) << std::hex << c.Value;
  }
}

}  // namespace
