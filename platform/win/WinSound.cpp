// System sounds: silent.
#include "WinSound.h"

namespace WinSound {

BOOL PlaySoundA(const char*, HMODULE, DWORD) { return TRUE; }

}  // namespace WinSound
