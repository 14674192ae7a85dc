// The game's two sounds played through SDL2's audio: the click synchronously,
// the bust asynchronously, a later sound cutting off the one before. The audio
// device opens on a thread of its own, as a sound server may take long to
// answer or never answer at all; until it is open, and without a device, the
// sounds are silent and the synchronous one still takes its length, so the
// animation keeps its pace.
#pragma once

#include <SDL2/SDL.h>

#include <array>
#include <atomic>
#include <memory>
#include <thread>
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

private:
    // Written by the opener thread alone until it sets `ready`; from then on
    // read and used by the main thread alone.
    struct output {
        SDL_AudioDeviceID device = 0;
        SDL_AudioSpec spec{};
        std::array<std::vector<Uint8>, 2> samples;  // in the device's format
        std::atomic<bool> ready{false};
    };
    static void open_device(output& out);

    std::array<int, 2> milliseconds_{};  // the lengths of the original sounds
    std::shared_ptr<output> output_ = std::make_shared<output>();
    std::thread opener_;
    bool muted_ = false;
};

}  // namespace fltk_backend
