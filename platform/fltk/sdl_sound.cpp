#include "sdl_sound.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "embedded_sounds.h"
#include "paint_serving_wait.h"

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

// A WAVE file's samples converted to the device's format.
std::vector<Uint8> load(const unsigned char* wav, unsigned long size, const SDL_AudioSpec& device) {
    std::vector<Uint8> result;
    SDL_AudioSpec source{};
    Uint8* buffer = nullptr;
    Uint32 bytes = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(wav, int(size)), 1, &source, &buffer, &bytes)) return result;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, source.format, source.channels, source.freq, device.format, device.channels,
                          device.freq) >= 0) {
        result.resize(std::size_t(bytes) * std::max(1, cvt.len_mult));
        std::copy(buffer, buffer + bytes, result.begin());
        cvt.buf = result.data();
        cvt.len = int(bytes);
        if (cvt.needed) SDL_ConvertAudio(&cvt);
        result.resize(cvt.needed ? std::size_t(cvt.len_cvt) : bytes);
    }
    SDL_FreeWAV(buffer);
    return result;
}

}  // namespace

sdl_sound::sdl_sound() {
    milliseconds_[0] = length_ms(click_wav, click_wav_size);
    milliseconds_[1] = length_ms(bust_wav, bust_wav_size);
    // SDL would turn SIGINT and SIGTERM into events nobody reads; they must end the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    snd_lib_error_set_handler(ignore_alsa_error);
    // The thread keeps its own share of the output: it may outlive this object.
    opener_ = std::thread([out = output_] {
        open_device(*out);
        out->ready.store(true, std::memory_order_release);
    });
}

sdl_sound::~sdl_sound() {
    if (!output_->ready.load(std::memory_order_acquire)) {
        // The device still has not answered: the end of the process ends the wait.
        opener_.detach();
        return;
    }
    opener_.join();
    if (output_->device) SDL_CloseAudioDevice(output_->device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void sdl_sound::open_device(output& out) {
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_U8;
    want.channels = 1;
    want.samples = 256;  // short buffers: a click is only 18 ms
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0)
        out.device = SDL_OpenAudioDevice(nullptr, 0, &want, &out.spec, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (out.device == 0) {
        std::fprintf(stderr, "zarvelin: no sound device (%s); the game plays silently\n", SDL_GetError());
        return;
    }
    out.samples[0] = load(click_wav, click_wav_size, out.spec);
    out.samples[1] = load(bust_wav, bust_wav_size, out.spec);
    SDL_PauseAudioDevice(out.device, 0);
}

void sdl_sound::play(platform::sound_id which, bool wait) {
    const std::size_t index = which == platform::sound_id::click ? 0 : 1;
    const auto start = std::chrono::steady_clock::now();
    const bool ready = output_->ready.load(std::memory_order_acquire);
    const SDL_AudioDeviceID device = ready ? output_->device : 0;
    if (device && !muted_) {
        const std::vector<Uint8>& samples = output_->samples[index];
        SDL_ClearQueuedAudio(device);  // a later sound cuts off the one before
        SDL_QueueAudio(device, samples.data(), Uint32(samples.size()));
    }
    if (!wait) return;
    // The sound's own length, whether or not a device plays it; then whatever
    // the device has not yet taken, within a bound so a stalled device cannot hang us.
    // A pause of the game like any other: paint requests are served meanwhile.
    wait_serving_paints(start + std::chrono::milliseconds(milliseconds_[index]));
    for (int i = 0; device && i < 50 && SDL_GetQueuedAudioSize(device) > 0; ++i) {
        wait_serving_paints(std::chrono::steady_clock::now() + std::chrono::milliseconds(2));
    }
}

}  // namespace fltk_backend
