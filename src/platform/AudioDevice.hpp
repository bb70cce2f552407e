// Sound output: an audio device pulls frames from its mixer on an audio thread; drivers open
// devices and are chosen by name, and one process-wide device is what sounds play on. The
// "FreeAudio" driver (the default) opens an SDL audio device at 44100 Hz stereo and, when the
// machine has no usable audio output, a silent device whose mixer runs at the same pace with
// its output discarded, so the game behaves the same with or without sound.
//
//     selectAudioDriver("FreeAudio");
//     auto channel = audioDevice()->play(Sound::load("resource_db/audio/sonar.wav"));
//     ...
//     closeAudioDevice();
#pragma once

#include "core/Object.hpp"
#include "platform/AudioChannel.hpp"
#include "platform/AudioMixer.hpp"
#include "platform/Sound.hpp"

#include <memory>
#include <string>

namespace tarvex::platform {

class AudioDevice : public Object {
    TARVEX_OBJECT(AudioDevice, Object)
public:
    // Output frames per second; the mixer resamples every sound to it.
    [[nodiscard]] int sampleRate() const { return _mixer->outputRate(); }
    // True when the output goes nowhere.
    [[nodiscard]] virtual bool isSilent() const = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // Stops the audio thread; channels stay as they were but no longer advance.
    virtual void close() = 0;

    [[nodiscard]] AudioMixer& mixer() { return *_mixer; }
    // A new channel playing the sound; null for a null sound.
    Ref<AudioChannel> play(const Ref<Sound>& sound) { return _mixer->play(sound); }

protected:
    explicit AudioDevice(int sampleRate);

private:
    std::shared_ptr<AudioMixer> _mixer;
};

// A device that mixes on its own thread in real time and throws the frames away. Never null.
[[nodiscard]] Ref<AudioDevice> openSilentAudioDevice(int sampleRate = AudioMixer::DEFAULT_RATE);

class AudioDriver {
public:
    virtual ~AudioDriver() = default;
    [[nodiscard]] virtual std::string name() const = 0;
    // A newly opened device, or null when this driver cannot open one.
    [[nodiscard]] virtual Ref<AudioDevice> open() = 0;
};

// "FreeAudio": SDL audio output, falling back to a silent device (one shared instance).
[[nodiscard]] std::shared_ptr<AudioDriver> freeAudioDriver();
// "Silent": always the silent device (one shared instance).
[[nodiscard]] std::shared_ptr<AudioDriver> silentAudioDriver();

// Makes the driver of that name (case-sensitive) current; false, with nothing changed, for an
// unknown name. A device open from the previous driver is closed.
bool selectAudioDriver(const std::string& name);
// The current driver: "FreeAudio" unless another was selected or installed.
[[nodiscard]] std::shared_ptr<AudioDriver> audioDriver();
// Installs a driver (tests); null restores "FreeAudio". Closes an open device.
void setAudioDriver(std::shared_ptr<AudioDriver> driver);

// The device sounds play on, opened from the current driver on first use and kept until
// closeAudioDevice(). Null only when the current driver cannot open a device.
[[nodiscard]] Ref<AudioDevice> audioDevice();
void closeAudioDevice();

} // namespace tarvex::platform
