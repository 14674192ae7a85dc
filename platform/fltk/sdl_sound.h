// The game's two sounds played through SDL2's audio: the click synchronously,
// the bust asynchronously, a later sound cutting off the one before. Without
// an audio device the sounds are silent and the synchronous one still takes
// its length, so the animation keeps its pace.
#pragma once

#include <SDL2/SDL.h>

#include <array>
#include <vector>

#include "platform/window.h"

namespace fltk_backend {

class sdl_sound final : public platform::sound {
public:
    sdl_sound();
    ~sdl_sound() override;
    sdl_sound(const sdl_sound&) = delete;
    sdl_sound& operator=(const sdl_sound&) = delete;

    void play(platform::sound_id which, bool wait) override;
    void set_muted(bool muted) override { muted_ = muted; }
    bool has_device() const { return device_ != 0; }

private:
    struct clip {
        std::vector<Uint8> samples;  // in the device's format
        int milliseconds = 0;        // the length of the original sound
    };
    clip load(const unsigned char* wav, unsigned long size);

    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    std::array<clip, 2> clips_;
    bool muted_ = false;
};

}  // namespace fltk_backend
