#include "platform/AudioDevice.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/SdlAudioDevice.hpp"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace tarvex::platform {

const Type& AudioDevice::staticType() {
    static const Type& type = TypeBuilder<AudioDevice>("AudioDevice").build();
    return type;
}

AudioDevice::AudioDevice(int sampleRate) : _mixer(std::make_shared<AudioMixer>(sampleRate)) {}

namespace {

// Pulls frames at the pace a sound card would, so channels advance and end as they would with
// real output; the frames are thrown away.
class SilentAudioDevice : public AudioDevice {
public:
    static constexpr std::size_t FRAMES_PER_PULL = 1024;

    explicit SilentAudioDevice(int sampleRate)
        : AudioDevice(sampleRate), _buffer(FRAMES_PER_PULL * 2) {
        _thread = std::thread([this] { run(); });
    }
    ~SilentAudioDevice() override { SilentAudioDevice::close(); }
    SilentAudioDevice(const SilentAudioDevice&) = delete;
    SilentAudioDevice& operator=(const SilentAudioDevice&) = delete;

    [[nodiscard]] bool isSilent() const override { return true; }
    [[nodiscard]] bool isOpen() const override {
        const std::lock_guard lock(_mutex);
        return !_closing;
    }

    void close() override {
        {
            const std::lock_guard lock(_mutex);
            _closing = true;
        }
        _wake.notify_all();
        if (_thread.joinable()) {
            _thread.join();
        }
    }

private:
    void run() {
        using Clock = std::chrono::steady_clock;
        const auto period = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(static_cast<double>(FRAMES_PER_PULL) / sampleRate()));
        auto next = Clock::now();
        std::unique_lock lock(_mutex);
        while (!_closing) {
            lock.unlock();
            mixer().mix(std::span(_buffer));
            lock.lock();
            next += period;
            _wake.wait_until(lock, next, [this] { return _closing; });
        }
    }

    std::vector<std::int16_t> _buffer;
    mutable std::mutex _mutex;
    std::condition_variable _wake;
    bool _closing = false;
    std::thread _thread;
};

class SilentDriver : public AudioDriver {
public:
    [[nodiscard]] std::string name() const override { return "Silent"; }
    [[nodiscard]] Ref<AudioDevice> open() override { return openSilentAudioDevice(); }
};

class FreeAudioDriver : public AudioDriver {
public:
    [[nodiscard]] std::string name() const override { return "FreeAudio"; }
    [[nodiscard]] Ref<AudioDevice> open() override {
        if (auto device = openSdlAudioDevice()) {
            return device;
        }
        return openSilentAudioDevice();
    }
};

struct AudioState {
    std::mutex mutex;
    std::shared_ptr<AudioDriver> driver;
    Ref<AudioDevice> device;
};

AudioState& state() {
    static AudioState instance;
    return instance;
}

// Swaps the driver under the lock; the old device is closed outside it (closing waits for the
// audio thread).
void replaceDriver(std::shared_ptr<AudioDriver> driver) {
    Ref<AudioDevice> old;
    {
        const std::lock_guard lock(state().mutex);
        state().driver = std::move(driver);
        old = std::move(state().device);
    }
    if (old) {
        old->close();
    }
}

} // namespace

Ref<AudioDevice> openSilentAudioDevice(int sampleRate) {
    return std::make_shared<SilentAudioDevice>(sampleRate > 0 ? sampleRate
                                                              : AudioMixer::DEFAULT_RATE);
}

std::shared_ptr<AudioDriver> freeAudioDriver() {
    static const auto driver = std::make_shared<FreeAudioDriver>();
    return driver;
}

std::shared_ptr<AudioDriver> silentAudioDriver() {
    static const auto driver = std::make_shared<SilentDriver>();
    return driver;
}

bool selectAudioDriver(const std::string& name) {
    for (auto driver : {freeAudioDriver(), silentAudioDriver()}) {
        if (driver->name() == name) {
            replaceDriver(std::move(driver));
            return true;
        }
    }
    return false;
}

std::shared_ptr<AudioDriver> audioDriver() {
    const std::lock_guard lock(state().mutex);
    return state().driver ? state().driver : freeAudioDriver();
}

void setAudioDriver(std::shared_ptr<AudioDriver> driver) {
    replaceDriver(std::move(driver));
}

Ref<AudioDevice> audioDevice() {
    const std::lock_guard lock(state().mutex);
    if (!state().device) {
        const auto driver = state().driver ? state().driver : freeAudioDriver();
        state().device = driver->open();
    }
    return state().device;
}

void closeAudioDevice() {
    Ref<AudioDevice> old;
    {
        const std::lock_guard lock(state().mutex);
        old = std::move(state().device);
    }
    if (old) {
        old->close();
    }
}

} // namespace tarvex::platform
