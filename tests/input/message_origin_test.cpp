// The origin of a mouse message by its extra information, and touch points as mouse events.
#include <gtest/gtest.h>

#include <cstdint>

#include "input/message_origin.h"
#include "input/pointer_input.h"

namespace {

struct TOriginCase {
  std::uint32_t ExtraInfo;
  bool Touch;
  bool Pen;
};

std::ostream& operator<<(std::ostream& os, const TOriginCase& c) { return os << std::hex << "0x" << c.ExtraInfo; }

class MessageOrigin : public testing::TestWithParam<TOriginCase> {};

TEST_P(MessageOrigin, TouchAndPenByTheSignatureAndBit0x80) {
  const TOriginCase& c = GetParam();
  EXPECT_EQ(IsTouchSignature(c.ExtraInfo), c.Touch);
  EXPECT_EQ(IsPenSignature(c.ExtraInfo), c.Pen);
  const TMessageOrigin origin = MessageOriginFromExtraInfo(c.ExtraInfo);
  EXPECT_EQ(origin.Touch, c.Touch);
  EXPECT_EQ(origin.Pen, c.Pen);
}

INSTANTIATE_TEST_SUITE_P(Signature, MessageOrigin,
                         testing::Values(TOriginCase{0xFF515780, true, false}, TOriginCase{0xFF5157FF, true, false},
                                         TOriginCase{0xFF515781, true, false}, TOriginCase{0xFF515700, false, true},
                                         TOriginCase{0xFF51577F, false, true}, TOriginCase{0xFF515701, false, true},
                                         TOriginCase{0, false, false}, TOriginCase{0x00515780, false, false},
                                         TOriginCase{0xFF515680, false, false}, TOriginCase{0xFFFFFFFF, false, false}));

TEST(MessageOrigin, ValueOneBitAwayFromTheSignatureIsNeither) {
  for (int bit = 8; bit < 32; ++bit) {
    for (std::uint32_t low : {0x00u, 0x80u}) {
      const std::uint32_t value = (PenOrTouchSignature ^ (1u << bit)) | low;
      EXPECT_FALSE(IsTouchSignature(value)) << std::hex << value;
      EXPECT_FALSE(IsPenSignature(value)) << std::hex << value;
    }
  }
}

struct TKindCase {
  std::uint32_t Flags;
  TTouchKind Kind;
};

std::ostream& operator<<(std::ostream& os, const TKindCase& c) { return os << "flags " << c.Flags; }

class TouchKind : public testing::TestWithParam<TKindCase> {};

TEST_P(TouchKind, MoveBeforeDownBeforeUp) { EXPECT_EQ(TouchEventKind(GetParam().Flags), GetParam().Kind); }

INSTANTIATE_TEST_SUITE_P(Flags, TouchKind,
                         testing::Values(TKindCase{0x1, TTouchKind::MouseMove}, TKindCase{0x2, TTouchKind::LButtonDown},
                                         TKindCase{0x4, TTouchKind::LButtonUp}, TKindCase{0x3, TTouchKind::MouseMove},
                                         TKindCase{0x7, TTouchKind::MouseMove}, TKindCase{0x6, TTouchKind::LButtonDown},
                                         TKindCase{0x0, TTouchKind::None}, TKindCase{0x18, TTouchKind::None},
                                         TKindCase{0x14, TTouchKind::LButtonUp}));

TEST(TouchPoint, HundredthsOfAPixelTruncateTowardZero) {
  EXPECT_EQ(TouchHundredthsToPixels(12399), 123);
  EXPECT_EQ(TouchHundredthsToPixels(100), 1);
  EXPECT_EQ(TouchHundredthsToPixels(99), 0);
  EXPECT_EQ(TouchHundredthsToPixels(-199), -1);
}

}  // namespace
