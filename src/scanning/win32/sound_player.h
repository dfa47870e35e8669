#pragma once
// The click of a key press and the tick of a scan step: small WAV files in the program's
// resources, played asynchronously. winmm is loaded at the first sound, so a run without sounds
// never loads it. A machine without a sound device, or a program file without the sounds, stays
// silent: sound is never an error.
#include <windows.h>

#include "platform/win32/win32_handles.h"

enum class TSound { Click, Tick };

class TSoundPlayer {
 public:
  TSoundPlayer() = default;
  // Stops a sound still playing from the resources.
  ~TSoundPlayer();
  TSoundPlayer(const TSoundPlayer&) = delete;
  TSoundPlayer& operator=(const TSoundPlayer&) = delete;

  // Starts the sound and returns at once; a sound still playing stops. False when it cannot play.
  bool Play(TSound sound);

 private:
  using PlaySoundWFn = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);

  // The WAV data of a sound in the program's resources, or null.
  static const void* SoundData(TSound sound);

  TModuleHandle FWinmm;
  PlaySoundWFn FPlaySound = nullptr;
  bool FLoadTried = false;
};
