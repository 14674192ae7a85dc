#include "platform/win32/win32_sound.h"

#include <windows.h>
// mmsystem.h needs the types of windows.h.
#include <mmsystem.h>

namespace win32 {

void win32_sound::play(platform::sound_id which, bool wait) {
    // No module handle: the resource is looked up in the program itself. A
    // missing device or resource leaves the game silent and changes nothing else.
    PlaySoundA(MAKEINTRESOURCEA(int(which)), nullptr, SND_RESOURCE | (wait ? SND_SYNC : SND_ASYNC));
}

}  // namespace win32
