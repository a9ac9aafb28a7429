// System sounds. The layer plays none: every request succeeds silently (a beep is the backend's).
#pragma once

#include "WinUserTypes.h"

namespace WinSound {

constexpr DWORD SND_SYNC = 0x0000, SND_ASYNC = 0x0001, SND_NODEFAULT = 0x0002, SND_MEMORY = 0x0004,
                SND_LOOP = 0x0008, SND_NOSTOP = 0x0010, SND_NOWAIT = 0x00002000, SND_ALIAS = 0x00010000,
                SND_FILENAME = 0x00020000, SND_RESOURCE = 0x00040004, SND_PURGE = 0x0040;

BOOL PlaySoundA(const char* sound, HMODULE module, DWORD flags);
inline BOOL PlaySound(const char* sound, HMODULE module, DWORD flags) { return PlaySoundA(sound, module, flags); }

}  // namespace WinSound

using namespace WinSound;
