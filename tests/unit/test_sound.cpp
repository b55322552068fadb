#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/SoundMixer.h"
#include "sound/ClickSoundSamples.h"
#include "sound/ClickSounds.h"
#include "sound/EspeakSpeaker.h"
#include "sound/SpokenText.h"
#include "sound/VoiceChoice.h"
#include "support/Fakes.h"

namespace {

// Keys "/"-separated ("\n" Enter, "\b" Backspace); their sayings "|"-separated: "-"
// leaves what is said be, else the parts, space-separated, a word in brackets.
QString sayings(const QString& keys) {
    SpokenText spoken;
    QStringList heard;
    for (const QString& key : keys.split('/')) {
        const TypedKey typed = key == "\n"   ? TypedKey{TypedKey::Kind::Enter, {}}
                               : key == "\b" ? TypedKey{TypedKey::Kind::Backspace, {}}
                                             : TypedKey{TypedKey::Kind::Text, key};
        const std::optional<QList<SpokenPart>> parts = spoken.follow(typed);
        QStringList said;
        for (const SpokenPart& part : parts.value_or(QList<SpokenPart>()))
            said << (part.as == SpokenPart::As::Word ? "[" + part.text + "]" : part.text);
        heard << (parts ? said.join(' ') : "-");
    }
    return heard.join('|');
}

TEST(SpokenText, EachKeySaysItsCharacterAndTheWordItEnds) {
    const struct {
        const char* keys;
        const char* heard;
    } rows[] = {
        {"q/w/e/r/t/y", "q|w|e|r|t|y"},  // mashed: each key only its own
        {"c/a/t/ ", "c|a|t|[cat]"},
        {"h/i/\n", "h|i|[hi]"},
        {"n/o/!", "n|o|[no] !"},
        {"c/a/x/\b/t/ ", "c|a|x||t|[cat]"},
        {"c/a/t/ /\b/s/ ", "c|a|t|[cat]||s|[cats]"},   // back into the word before
        {"g/o/\n/\b/e/s/\n", "g|o|[go]||e|s|[goes]"},  // and across a line end
        {"\b/ / ", "||"},                              // nothing to say: silence
        {"a/\t/b/ ", "a|-|b|[ab]"},                    // Tab types nothing
        {"/R/2/d/2/ ", "-|R|2|d|2|[R2d2]"},            // Shift alone
        {"П/р/и/в/е/т/.", "П|р|и|в|е|т|[Привет] ."},
        {"你好/。", "你 好|[你好] 。"},        // an input method's string at once
        {"e\u0301/ ", "\u00e9|[\u00e9]"},      // composed as the canvas does
        {"\U0001D400/\b/\b", "\U0001D400||"},  // beyond the BMP, one character
    };
    for (const auto& row : rows)
        EXPECT_EQ(sayings(QString::fromUtf8(row.keys)), QString::fromUtf8(row.heard)) << row.keys;
}

TEST(VoiceChoice, TheDesktopsLanguageReadsItsScriptAndAVoiceForTheScriptReadsEachOther) {
    const struct {
        QStringList desktop;
        const char* text;
        const char* stretches;  // language:text, space-separated
    } rows[] = {
        {{"de-DE", "de"}, "ü П λ 中 1 . ش ש अ", "de:ü ru:П el:λ cmn:中 de:1 de:. ar:ش he:ש hi:अ"},
        {{"ru-RU"}, "П a λ 1", "ru:П en:a el:λ ru:1"},
        {{"uk-UA", "ru-RU"}, "П a", "uk:П en:a"},         // Cyrillic by the desktop's own
        {{"xx-YY", "pt-BR"}, "a П ก", "en:a ru:П en:ก"},  // no voice for either, none for Thai
        {{"en-US"}, "a", "en-us:a"},
        {{"zh-Hans-CN"}, "中 a", "zh:中 en:a"},
        {{"ja-JP"}, "中かカ 한", "ja:中かカ ko:한"},
        // Digits and marks go with the letters before them, or else after.
        {{"en-GB"}, "Привет 1a abПри2 12", "ru:Привет en:1a en:ab ru:При2 en:12"},
    };
    for (const auto& row : rows) {
        const VoiceChoice voices(
            {"en", "en-us", "de", "ru", "uk", "el", "ar", "he", "cmn", "zh", "ja", "ko", "hi"},
            row.desktop);
        QStringList stretches;
        for (const QString& word : QString::fromUtf8(row.text).split(' ')) {
            for (const VoicedText& stretch : voices.split(word))
                stretches << stretch.language + ":" + stretch.text;
            if (word.size() == 1) {  // a character alone, said by its name
                EXPECT_EQ(voices.languageFor(word[0].unicode()) + ":" + word, stretches.last());
            }
        }
        EXPECT_EQ(stretches.join(' '), QString::fromUtf8(row.stretches)) << row.text;
    }
}

// Each click is a WAVE file that a sound library reads back as its samples.
TEST(ClickSounds, EachClickIsAWaveFileOfItsSamples) {
    FakeSound sound;
    const ClickSounds clicks(sound);
    const std::pair<uint32_t, std::span<const uint8_t>> expected[] = {
        {kClickRate1, kClickSamples1},
        {kClickRate2, kClickSamples2},
        {kClickRate3, kClickSamples3},
        {kClickRate4, kClickSamples4}};
    for (size_t i = 0; i < clicks.images().size(); ++i) {
        const QByteArray& image = clicks.images()[i];
        SDL_AudioSpec spec{};
        Uint8* samples = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(image.constData(), int(image.size())), 1, &spec,
                                 &samples, &length),
                  nullptr)
            << SDL_GetError();
        EXPECT_EQ(spec.freq, int(expected[i].first)) << i;
        EXPECT_EQ(spec.channels, 1) << i;
        EXPECT_EQ(spec.format, AUDIO_U8) << i;
        EXPECT_TRUE(std::equal(samples, samples + length, expected[i].second.begin(),
                               expected[i].second.end()))
            << i;
        SDL_FreeWAV(samples);
    }
}

std::vector<int16_t> mixed(SoundMixer& mixer, size_t count) {
    std::vector<int16_t> out(count, 1234);
    mixer.mix(out);
    return out;
}

using Samples = std::vector<int16_t>;

// espeak-ng lists a voice's languages as a priority byte and a name each,
// and a zero byte after the last.
TEST(EspeakSpeaker, EachLanguageIsSpokenByTheVoiceThatPutsItFirst) {
    const auto voice = [](const char* name, const char* languages) {
        espeak_VOICE voice{};
        voice.name = name;
        voice.languages = languages;
        return voice;
    };
    const espeak_VOICE american = voice("English (America)", "\2en-us\0\3en\0"),
                       british = voice("English (Great Britain)", "\2en-gb\0\2en\0"),
                       scottish = voice("English (Scotland)", "\2en-gb-x-gbclan\0\4en\0"),
                       german = voice("German", "\5de\0"),
                       swiss = voice("German (Switzerland)", "\5de\0");
    const espeak_VOICE* const voices[] = {&american, &british, &scottish, &german, &swiss, nullptr};
    const QHash<QString, QByteArray> expected{{"en-us", american.name},
                                              {"en", british.name},
                                              {"en-gb", british.name},
                                              {"en-gb-x-gbclan", scottish.name},
                                              {"de", german.name}};
    EXPECT_EQ(voicesByLanguage(voices), expected);
}

TEST(SoundMixer, ClicksAndSpeechPlayTogetherAndEachIsCutOffOnItsOwn) {
    SoundMixer mixer(48000);
    mixer.startClick({100, 200});
    EXPECT_EQ(mixed(mixer, 3), Samples({100, 200, 0}));
    mixer.startClick({1, 1, 1});
    mixer.addSpeech(std::vector<int16_t>{10, 20, 30, 40}, 48000);
    EXPECT_EQ(mixed(mixer, 1), Samples({11}));
    mixer.startClick({5});  // a new click cuts the old one off, not the speech
    EXPECT_EQ(mixed(mixer, 2), Samples({25, 30}));
    mixer.addSpeech(std::vector<int16_t>{50}, 48000);  // speech goes on where it was
    EXPECT_EQ(mixed(mixer, 3), Samples({40, 50, 0}));
    mixer.startClick({30000, -30000});
    mixer.addSpeech(std::vector<int16_t>{10000, -10000, 7, 7}, 48000);
    EXPECT_EQ(mixed(mixer, 2), Samples({32767, -32768}));  // clipped, not wrapped round
    mixer.cutSpeech();
    EXPECT_EQ(mixed(mixer, 2), Samples({0, 0}));
    // Speech at half the device's rate, the samples between drawn straight.
    mixer.addSpeech(std::vector<int16_t>{0, 100, 200}, 24000);
    EXPECT_EQ(mixed(mixer, 7), Samples({0, 50, 100, 150, 200, 200, 0}));
}

}  // namespace
