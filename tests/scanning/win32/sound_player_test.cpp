// The sounds: WAV data in the shipped program's resources, and a player that stays silent
// without them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "scanning/win32/sound_player.h"
#include "shipped_program.h"

namespace {

TEST(Sounds, TheProgramCarriesTheClickAndTheTickAsSmallWavFiles) {
  HMODULE program =
      LoadLibraryExW(ORVILLA_SHIPPED_PROGRAM, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(program, nullptr) << "the 32-bit build makes it: cmake --build --preset windows";
  for (const wchar_t* name : {L"CLICK", L"TICK"}) {
    HRSRC resource = FindResourceW(program, name, L"WAVE");
    ASSERT_NE(resource, nullptr);
    const DWORD size = SizeofResource(program, resource);
    const auto* data = static_cast<const char*>(LockResource(LoadResource(program, resource)));
    ASSERT_NE(data, nullptr);
    EXPECT_GT(size, 44u);
    EXPECT_LT(size, 4096u);
    EXPECT_EQ(std::memcmp(data, "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(data + 8, "WAVE", 4), 0);
  }
  FreeLibrary(program);
}

TEST(Sounds, APlayerWithoutTheResourcesIsSilentAndNoError) {
  // This test program has no sounds of its own.
  TSoundPlayer player;
  EXPECT_FALSE(player.Play(TSound::Click));
  EXPECT_FALSE(player.Play(TSound::Tick));
}

}  // namespace
