#include "platform/SoundMixer.h"

#include <algorithm>
#include <cmath>
#include <limits>

void SoundMixer::startClick(std::vector<int16_t> samples) {
    click_ = std::move(samples);
    clickAt_ = 0;
}

void SoundMixer::addSpeech(std::span<const int16_t> samples, int rate) {
    speechRate_ = rate;
    // What has been played goes before the vector grows again.
    const auto played = static_cast<std::ptrdiff_t>(speechAt_);
    if (played > 0 && played * 2 >= std::ssize(speech_)) {
        speech_.erase(speech_.begin(), speech_.begin() + played);
        speechAt_ -= static_cast<double>(played);
    }
    speech_.insert(speech_.end(), samples.begin(), samples.end());
}

void SoundMixer::cutSpeech() {
    speech_.clear();
    speechAt_ = 0;
}

void SoundMixer::mix(std::span<int16_t> out) {
    // Linear interpolation: speech is narrow enough for it, and nothing is
    // held back for a filter, so the first sample plays at once.
    const double step = speechRate_ > 0 ? double(speechRate_) / deviceRate_ : 0;
    for (int16_t& sample : out) {
        int value = 0;
        if (clickAt_ < click_.size()) value += click_[clickAt_++];
        const auto at = static_cast<size_t>(speechAt_);
        if (at < speech_.size()) {
            const double next = at + 1 < speech_.size() ? speech_[at + 1] : speech_[at];
            value += static_cast<int>(
                std::lround(speech_[at] + (next - speech_[at]) * (speechAt_ - double(at))));
            speechAt_ += step;
        }
        sample = static_cast<int16_t>(std::clamp<int>(value, std::numeric_limits<int16_t>::min(),
                                                      std::numeric_limits<int16_t>::max()));
    }
    if (static_cast<size_t>(speechAt_) >= speech_.size()) cutSpeech();
}
