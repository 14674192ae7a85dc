// The program's WAVE resources, played with PlaySoundA.
#pragma once

#include "platform/window.h"

namespace win32 {

class win32_sound final : public platform::sound {
public:
    void play(platform::sound_id which, bool wait) override;
    void set_muted(bool muted) override { muted_ = muted; }

private:
    bool muted_ = false;
};

}  // namespace win32
