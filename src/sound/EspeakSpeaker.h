#pragma once

#include <espeak-ng/speak_lib.h>

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "sound/Speaker.h"
#include "sound/VoiceChoice.h"

class SoundOutput;

// The voice for each language among espeak-ng's `voices` (a list that ends
// in a null, as espeak_ListVoices() gives it): the voice that puts the
// language first, by the lowest priority number; the first listed of equals.
QHash<QString, QByteArray> voicesByLanguage(const espeak_VOICE* const* voices);

// Speaks with espeak-ng into the program's sound output, on a thread of its
// own that synthesises one saying at a time. A new saying stops the one
// under way at its next few milliseconds of sound and drops what of it the
// output has not played; sayings that come while one is synthesised are
// not queued: only the last one is said. Without espeak-ng's data the
// speaker says nothing.
class EspeakSpeaker : public Speaker {
  public:
    // `desktopLanguages`: the desktop's languages, the first wanted most.
    EspeakSpeaker(SoundOutput& output, QStringList desktopLanguages);
    ~EspeakSpeaker() override;
    EspeakSpeaker(const EspeakSpeaker&) = delete;
    EspeakSpeaker& operator=(const EspeakSpeaker&) = delete;

    void prepare() override;
    void say(const QList<SpokenPart>& parts) override;

  private:
    void post(std::optional<QList<SpokenPart>> parts);
    void run();
    // Loads espeak-ng and the desktop's voice; false without its data.
    bool load();
    void speak(const QList<SpokenPart>& parts, unsigned saying);
    bool useVoice(const QString& language);
    // espeak-ng's samples as they come; non-zero stops the synthesis.
    int takeSamples(const short* samples, int count);

    SoundOutput& output_;
    QStringList desktopLanguages_;
    std::optional<VoiceChoice> voices_;      // once loaded
    QHash<QString, QByteArray> voiceNames_;  // by language
    QString voice_;                          // the language espeak-ng speaks now
    int rate_ = 0;

    std::mutex mutex_;
    std::condition_variable wake_;
    // The saying to say next; an empty optional only prepares.
    std::optional<std::optional<QList<SpokenPart>>> next_;
    bool stopping_ = false;
    // Counts the sayings asked for: the one synthesised goes on while it is
    // the last.
    std::atomic<unsigned> sayings_ = 0;
    unsigned speaking_ = 0;  // on the thread
    std::thread thread_;
};
