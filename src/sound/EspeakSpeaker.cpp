#include "sound/EspeakSpeaker.h"

#include <espeak-ng/speak_lib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstring>
#include <span>
#include <utility>

#include "platform/SoundOutput.h"

namespace {

// espeak-ng calls back with its samples every this many milliseconds of
// sound: the first are played that soon, and a saying cut off stops then.
constexpr int kSamplesMilliseconds = 20;

// Ahead of other programs' background work, behind the drawing of letters.
constexpr int kNiceness = 5;

// The speaker whose synthesis runs: espeak-ng has one of everything.
EspeakSpeaker* running = nullptr;

}  // namespace

EspeakSpeaker::EspeakSpeaker(SoundOutput& output, QStringList desktopLanguages)
    : output_(output), desktopLanguages_(std::move(desktopLanguages)), thread_([this] { run(); }) {}

EspeakSpeaker::~EspeakSpeaker() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    ++sayings_;  // the saying under way stops
    wake_.notify_one();
    thread_.join();
}

void EspeakSpeaker::prepare() {
    post(std::nullopt);
}

void EspeakSpeaker::say(const QList<SpokenPart>& parts) {
    post(parts);
}

void EspeakSpeaker::post(std::optional<QList<SpokenPart>> parts) {
    {
        const std::lock_guard lock(mutex_);
        // A saying not yet begun is replaced, never queued behind.
        next_ = std::move(parts);
        if (next_->has_value()) ++sayings_;
    }
    wake_.notify_one();
}

void EspeakSpeaker::run() {
    // Sayings come as fast as keys, while the next keys' letters are drawn:
    // on a busy machine the drawing goes first. (On Linux each thread has
    // its own niceness.)
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kNiceness);
    std::optional<bool> loaded;  // tried once, when the thread first wakes
    for (;;) {
        std::optional<QList<SpokenPart>> parts;
        unsigned saying = 0;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || next_.has_value(); });
            if (stopping_) return;
            parts = std::move(*next_);
            next_.reset();
            saying = sayings_;
        }
        if (!loaded) {
            loaded = load();
            // The output opens now too, rather than at the first saying.
            if (*loaded) output_.stopSpeaking();
        }
        if (*loaded && parts) speak(*parts, saying);
    }
}

QHash<QString, QByteArray> voicesByLanguage(const espeak_VOICE* const* voices) {
    QHash<QString, QByteArray> names;
    QHash<QString, int> priorities;
    for (; *voices != nullptr; ++voices) {
        // Each entry: its priority in a byte, then the language's name and its zero byte.
        for (const char* entry = (*voices)->languages; *entry != 0;
             entry += std::strlen(entry + 1) + 2) {
            const QString language = QString::fromLatin1(entry + 1);
            const int priority = static_cast<unsigned char>(*entry);
            if (priorities.contains(language) && priorities.value(language) <= priority) continue;
            priorities.insert(language, priority);
            names.insert(language, QByteArray((*voices)->name));
        }
    }
    return names;
}

bool EspeakSpeaker::load() {
    // Its data where the library was built to find it, or ESPEAK_DATA_PATH.
    // Started once a process and never stopped: espeak-ng hangs when it is
    // started again after a stop.
    static const int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kSamplesMilliseconds, nullptr, 0);
    if (rate <= 0) return false;
    rate_ = rate;
    espeak_SetSynthCallback([](short* samples, int count, espeak_EVENT*) {
        return running->takeSamples(samples, count);
    });
    voiceNames_ = voicesByLanguage(espeak_ListVoices(nullptr));
    voices_.emplace(voiceNames_.keys(), desktopLanguages_);
    return useVoice(voices_->desktopLanguage());
}

bool EspeakSpeaker::useVoice(const QString& language) {
    if (language == voice_) return true;
    if (espeak_SetVoiceByName(voiceNames_.value(language).constData()) != EE_OK) return false;
    voice_ = language;
    return true;
}

void EspeakSpeaker::speak(const QList<SpokenPart>& parts, unsigned saying) {
    output_.stopSpeaking();
    speaking_ = saying;
    running = this;
    for (const SpokenPart& part : parts) {
        if (part.as == SpokenPart::As::Character) {
            const char32_t character = part.text.toUcs4().value(0);
            if (useVoice(voices_->languageFor(character))) espeak_Char(wchar_t(character));
        } else {
            for (const VoicedText& stretch : voices_->split(part.text)) {
                const QByteArray text = stretch.text.toUtf8();
                if (useVoice(stretch.language))
                    espeak_Synth(text.constData(), size_t(text.size()) + 1, 0, POS_CHARACTER, 0,
                                 espeakCHARS_UTF8, nullptr, nullptr);
                if (sayings_ != saying) break;
            }
        }
        // Cut off. The callback's refusal has stopped the synthesis already;
        // espeak_Cancel() would wait for espeak-ng's own audio thread, which
        // never answers in synchronous mode.
        if (sayings_ != saying) break;
    }
    running = nullptr;
}

int EspeakSpeaker::takeSamples(const short* samples, int count) {
    if (sayings_ != speaking_) return 1;
    if (samples != nullptr && count > 0)
        output_.speak(std::span<const int16_t>(samples, size_t(count)), rate_);
    return 0;
}
