#include "platform/win32/win32_sound.h"

#include <windows.h>

#include <cstring>
// mmsystem.h needs the types of windows.h.
#include <mmsystem.h>

namespace win32 {

namespace {

// The length of a WAVE resource's sound, from its format and data chunks; 0
// when the resource is missing or not a plain WAVE file.
DWORD length_ms(platform::sound_id which) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(int(which)), "WAVE");
    if (!found) return 0;
    const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
    const DWORD size = SizeofResource(nullptr, found);
    if (!data || size < 12) return 0;
    const auto u32 = [data](DWORD at) {
        return DWORD(data[at]) | DWORD(data[at + 1]) << 8 | DWORD(data[at + 2]) << 16 |
               DWORD(data[at + 3]) << 24;
    };
    DWORD bytes_per_second = 0;
    for (DWORD at = 12; at + 8 <= size;) {
        const DWORD chunk = u32(at + 4);
        if (std::memcmp(data + at, "fmt ", 4) == 0 && at + 16 <= size) bytes_per_second = u32(at + 16);
        if (std::memcmp(data + at, "data", 4) == 0 && bytes_per_second > 0) {
            return DWORD((unsigned long long)chunk * 1000 / bytes_per_second);
        }
        if (chunk > size - at - 8) break;
        at += 8 + chunk + (chunk & 1);
    }
    return 0;
}

}  // namespace

void win32_sound::play(platform::sound_id which, bool wait) {
    if (muted_) {
        // Silent, with the pause the sound would have taken.
        if (wait) Sleep(length_ms(which));
        return;
    }
    // No module handle: the resource is looked up in the program itself. A
    // missing device or resource leaves the game silent and changes nothing else.
    PlaySoundA(MAKEINTRESOURCEA(int(which)), nullptr, SND_RESOURCE | (wait ? SND_SYNC : SND_ASYNC));
}

}  // namespace win32
