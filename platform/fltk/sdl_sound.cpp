#include "sdl_sound.h"

#include <alsa/asoundlib.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "embedded_sounds.h"

namespace fltk_backend {

namespace {

// The length of a WAVE file's sound, read from its header without a device.
int length_ms(const unsigned char* wav, unsigned long size) {
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 bytes = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(wav, int(size)), 1, &spec, &buffer, &bytes)) return 0;
    const int frame = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
    const int ms = int((std::int64_t(bytes / frame) * 1000 + spec.freq - 1) / spec.freq);
    SDL_FreeWAV(buffer);
    return ms;
}

// ALSA reports every step of a failed search for a device on standard error,
// a screenful for a machine without a sound card; the failure itself is told
// below in one line. SDL loads the same library, so this quiets its use too.
void ignore_alsa_error(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

sdl_sound::sdl_sound() {
    clips_[0].milliseconds = length_ms(click_wav, click_wav_size);
    clips_[1].milliseconds = length_ms(bust_wav, bust_wav_size);
    // SDL would turn SIGINT and SIGTERM into events nobody reads; they must end the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    snd_lib_error_set_handler(ignore_alsa_error);
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_U8;
    want.channels = 1;
    want.samples = 256;  // short buffers: a click is only 18 ms
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_, SDL_AUDIO_ALLOW_ANY_CHANGE);
    }
    if (device_ == 0) {
        std::fprintf(stderr, "zarvelin: no sound device (%s); the game plays silently\n", SDL_GetError());
        return;
    }
    clips_[0].samples = load(click_wav, click_wav_size).samples;
    clips_[1].samples = load(bust_wav, bust_wav_size).samples;
    SDL_PauseAudioDevice(device_, 0);
}

sdl_sound::~sdl_sound() {
    if (device_) SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

sdl_sound::clip sdl_sound::load(const unsigned char* wav, unsigned long size) {
    clip result;
    SDL_AudioSpec source{};
    Uint8* buffer = nullptr;
    Uint32 bytes = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(wav, int(size)), 1, &source, &buffer, &bytes)) return result;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, source.format, source.channels, source.freq, spec_.format, spec_.channels,
                          spec_.freq) >= 0) {
        result.samples.resize(std::size_t(bytes) * std::max(1, cvt.len_mult));
        std::copy(buffer, buffer + bytes, result.samples.begin());
        cvt.buf = result.samples.data();
        cvt.len = int(bytes);
        if (cvt.needed) SDL_ConvertAudio(&cvt);
        result.samples.resize(cvt.needed ? std::size_t(cvt.len_cvt) : bytes);
    }
    SDL_FreeWAV(buffer);
    return result;
}

void sdl_sound::play(platform::sound_id which, bool wait) {
    const clip& c = clips_[which == platform::sound_id::click ? 0 : 1];
    const auto start = std::chrono::steady_clock::now();
    if (device_ && !muted_) {
        SDL_ClearQueuedAudio(device_);  // a later sound cuts off the one before
        SDL_QueueAudio(device_, c.samples.data(), Uint32(c.samples.size()));
    }
    if (!wait) return;
    // The sound's own length, whether or not a device plays it; then whatever
    // the device has not yet taken, within a bound so a stalled device cannot hang us.
    std::this_thread::sleep_until(start + std::chrono::milliseconds(c.milliseconds));
    for (int i = 0; device_ && i < 50 && SDL_GetQueuedAudioSize(device_) > 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace fltk_backend
