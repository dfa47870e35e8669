#include "scanning/win32/sound_player.h"

#include <mmsystem.h>

#include "platform/debug_log.h"
#include "platform/win32/system_library.h"

TSoundPlayer::~TSoundPlayer() {
  // The resource data stays mapped, but the sound must not play on after its owner.
  if (FPlaySound) FPlaySound(nullptr, nullptr, 0);
}

const void* TSoundPlayer::SoundData(TSound sound) {
  // The names of resources/orvilla.rc.
  const wchar_t* name = sound == TSound::Click ? L"CLICK" : L"TICK";
  HRSRC resource = FindResourceW(nullptr, name, L"WAVE");
  if (!resource) return nullptr;
  HGLOBAL loaded = LoadResource(nullptr, resource);
  return loaded ? LockResource(loaded) : nullptr;
}

bool TSoundPlayer::Play(TSound sound) {
  if (!FLoadTried) {
    FLoadTried = true;
    FWinmm = LoadSystemLibrary(L"winmm.dll");
    FPlaySound = ModuleFunction<PlaySoundWFn>(FWinmm, "PlaySoundW");
    if (!FPlaySound) Log(L"Sound: winmm.dll or its PlaySoundW is missing; sounds are off");
  }
  if (!FPlaySound) return false;
  const void* data = SoundData(sound);
  if (!data) return false;
  // Resource memory lives as long as the program, as SND_MEMORY with SND_ASYNC needs.
  return FPlaySound(static_cast<LPCWSTR>(data), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT) != FALSE;
}
