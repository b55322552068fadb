#include "platform/SdlSoundOutput.h"

#include <SDL2/SDL.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kDeviceRate = 48000;
constexpr Uint16 kDeviceBufferSamples = 256;

// An image decoded by SDL and converted to the device's format.
class DecodedClick {
  public:
    DecodedClick(const QByteArray& waveImage, const SDL_AudioSpec& device) {
        SDL_RWops* source =
            SDL_RWFromConstMem(waveImage.constData(), static_cast<int>(waveImage.size()));
        if (source == nullptr) return;
        SDL_AudioSpec spec{};
        Uint8* samples = nullptr;
        Uint32 length = 0;
        if (SDL_LoadWAV_RW(source, 1, &spec, &samples, &length) == nullptr) return;

        SDL_AudioCVT cvt{};
        const int needed = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq,
                                             device.format, device.channels, device.freq);
        // Also when nothing needs converting: SDL_ConvertAudio() then keeps the copy as it is.
        if (needed >= 0) {
            cvt.len = static_cast<int>(length);
            data_ = static_cast<Uint8*>(SDL_malloc(static_cast<size_t>(cvt.len) * cvt.len_mult));
            if (data_ != nullptr) {
                std::memcpy(data_, samples, length);
                cvt.buf = data_;
                if (SDL_ConvertAudio(&cvt) == 0) length_ = static_cast<Uint32>(cvt.len_cvt);
            }
        }
        SDL_FreeWAV(samples);
    }
    ~DecodedClick() { SDL_free(data_); }
    DecodedClick(const DecodedClick&) = delete;
    DecodedClick& operator=(const DecodedClick&) = delete;

    const Uint8* data() const { return data_; }
    Uint32 length() const { return length_; }

  private:
    Uint8* data_ = nullptr;  // from SDL_LoadWAV_RW or SDL_malloc; both end in SDL_free
    Uint32 length_ = 0;
};

}  // namespace

SdlSoundOutput::SdlSoundOutput() = default;

SdlSoundOutput::~SdlSoundOutput() {
    if (!open_) return;
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundOutput::open() {
    std::call_once(opening_, [this] { open_ = openDevice(); });
    return open_;
}

bool SdlSoundOutput::openDevice() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Pictype Viewer");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;

    SDL_AudioSpec wanted{};
    wanted.freq = kDeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = kDeviceBufferSamples;
    wanted.callback = &SdlSoundOutput::fill;
    wanted.userdata = this;
    // The mixer adds 16-bit mono samples; the device's own format is SDL's
    // affair, its rate the mixer's.
    device_ =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &deviceSpec_, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    mixer_ = SoundMixer(deviceSpec_.freq);
    // The device runs from now on, playing silence while there is nothing to
    // play, so a sound only has to be handed to the mixer to be heard.
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlSoundOutput::fill(void* self, Uint8* stream, int length) {
    static_cast<SdlSoundOutput*>(self)->mixer_.mix(
        std::span(reinterpret_cast<int16_t*>(stream), static_cast<size_t>(length) / 2));
}

void SdlSoundOutput::play(const QByteArray& waveImage) {
    if (!open()) return;
    const DecodedClick click(waveImage, deviceSpec_);
    if (click.length() == 0) return;
    const auto* first = reinterpret_cast<const int16_t*>(click.data());
    std::vector<int16_t> samples(first, first + click.length() / 2);
    SDL_LockAudioDevice(device_);
    mixer_.startClick(std::move(samples));
    SDL_UnlockAudioDevice(device_);
}

void SdlSoundOutput::speak(std::span<const int16_t> samples, int rate) {
    if (!open()) return;
    SDL_LockAudioDevice(device_);
    mixer_.addSpeech(samples, rate);
    SDL_UnlockAudioDevice(device_);
}

void SdlSoundOutput::stopSpeaking() {
    if (!open()) return;
    SDL_LockAudioDevice(device_);
    mixer_.cutSpeech();
    SDL_UnlockAudioDevice(device_);
}
