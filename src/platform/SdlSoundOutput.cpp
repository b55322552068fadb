#include "platform/SdlSoundOutput.h"

#include <SDL2/SDL.h>

#include <cstring>

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
        if (needed == 0) {
            data_ = samples;
            length_ = length;
            return;
        }
        if (needed > 0) {
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
    if (state_ != State::Open) return;
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
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
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &deviceSpec_,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE |
                                      SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // The device runs from now on, playing silence while nothing is queued,
    // so a click only has to be queued to be heard.
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlSoundOutput::play(const QByteArray& waveImage) {
    if (state_ == State::Untried) state_ = openDevice() ? State::Open : State::Unavailable;
    if (state_ != State::Open) return;

    const DecodedClick click(waveImage, deviceSpec_);
    if (click.length() == 0) return;
    // A new click cuts off the one still playing. Holding the device keeps
    // its thread from slipping a buffer of silence in before the new click.
    SDL_LockAudioDevice(device_);
    SDL_ClearQueuedAudio(device_);
    SDL_QueueAudio(device_, click.data(), click.length());
    SDL_UnlockAudioDevice(device_);
}
