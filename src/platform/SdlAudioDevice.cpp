#include "platform/SdlAudioDevice.hpp"

#include "core/DebugLog.hpp"

#include <SDL.h>
#include <cstdint>
#include <span>

namespace tarvex::platform {

namespace {

constexpr Uint16 FRAMES_PER_CALLBACK = 1024;

class SdlAudioDevice : public AudioDevice {
public:
    explicit SdlAudioDevice(int sampleRate) : AudioDevice(sampleRate) {}
    ~SdlAudioDevice() override { SdlAudioDevice::close(); }
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    bool open() {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            debugLog(std::string("No SDL audio: ") + SDL_GetError());
            return false;
        }
        SDL_AudioSpec wanted{};
        wanted.freq = sampleRate();
        wanted.format = AUDIO_S16SYS;
        wanted.channels = 2;
        wanted.samples = FRAMES_PER_CALLBACK;
        wanted.callback = &SdlAudioDevice::fill;
        wanted.userdata = &mixer();
        SDL_AudioSpec obtained{};
        // No format changes allowed: SDL converts our 16-bit stereo to whatever the hardware
        // wants, so the mixer always works at the requested rate.
        _device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
        if (_device == 0) {
            debugLog(std::string("Could not open an SDL audio device: ") + SDL_GetError());
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        SDL_PauseAudioDevice(_device, 0);
        return true;
    }

    [[nodiscard]] bool isSilent() const override { return false; }
    [[nodiscard]] bool isOpen() const override { return _device != 0; }

    void close() override {
        if (_device == 0) {
            return;
        }
        // Waits for a running callback, so the mixer is no longer touched afterwards.
        SDL_CloseAudioDevice(_device);
        _device = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

private:
    static void fill(void* userdata, Uint8* stream, int length) {
        auto* mixer = static_cast<AudioMixer*>(userdata);
        mixer->mix(std::span(reinterpret_cast<std::int16_t*>(stream),
                             static_cast<std::size_t>(length) / sizeof(std::int16_t)));
    }

    SDL_AudioDeviceID _device = 0;
};

} // namespace

Ref<AudioDevice> openSdlAudioDevice(int sampleRate) {
    auto device = std::make_shared<SdlAudioDevice>(sampleRate);
    if (!device->open()) {
        return nullptr;
    }
    return device;
}

} // namespace tarvex::platform
