// espeak-ng itself, rendering into memory: never a sound card.

#include "UtteranceRecorder.h"
#include "langtools/SpeechPieces.h"

#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <tuple>

namespace verbalink::test {
namespace {

const QString English = QStringLiteral("English (Great Britain)");
const QString Sentence = QStringLiteral("The quick brown fox jumps over the lazy dog.");

TEST(EspeakSpeech, RendersQueuedMessagesInOrderAtTheChosenRate)
{
    UtteranceRecorder recorder;
    EspeakSpeech speech(EspeakSpeech::Output::Memory, recorder.sinks());
    ASSERT_TRUE(speech.available());
    ASSERT_TRUE(speech.voices().contains(English));
    ASSERT_TRUE(speech.setVoice(English));

    speech.setRate(-10);
    ASSERT_TRUE(speech.speak(Sentence));
    speech.setRate(10);
    ASSERT_TRUE(speech.speak(Sentence));
    speech.setRate(0);
    for (const char* text : {"one", "two", "three", "four"})
        ASSERT_TRUE(speech.speak(QString::fromLatin1(text)));
    speech.waitUntilIdle();

    const QList<EspeakSpeech::Utterance> said = recorder.utterances();
    EXPECT_EQ(recorder.texts(),
              QStringList({Sentence, Sentence, QStringLiteral("one"), QStringLiteral("two"),
                           QStringLiteral("three"), QStringLiteral("four")}));
    ASSERT_EQ(said.size(), 6);
    for (const EspeakSpeech::Utterance& utterance : said) {
        EXPECT_EQ(utterance.sampleRate, 22050);
        EXPECT_GT(utterance.samples.size(), 1000u) << utterance.text.toStdString();
    }
    // 80 against 450 words per minute: the slowest takes several times as long.
    const double ratio = double(said[0].samples.size()) / double(said[1].samples.size());
    EXPECT_GT(ratio, 3.5);
    EXPECT_LT(ratio, 8.0);
    EXPECT_TRUE(recorder.log().isEmpty());
}

TEST(EspeakSpeech, UnknownVoiceIsRefusedAndTheVoiceStays)
{
    UtteranceRecorder recorder;
    EspeakSpeech speech(EspeakSpeech::Output::Memory, recorder.sinks());
    ASSERT_TRUE(speech.available());
    ASSERT_TRUE(speech.setVoice(English));
    ASSERT_TRUE(speech.speak(Sentence));
    // Descriptions match exactly: no other case, no missing space.
    EXPECT_FALSE(speech.setVoice(QStringLiteral("english (great britain)")));
    EXPECT_FALSE(speech.setVoice(QStringLiteral("Nobody")));
    EXPECT_FALSE(speech.setVoice(QString()));
    ASSERT_TRUE(speech.speak(Sentence));
    ASSERT_TRUE(speech.setVoice(QStringLiteral("German")));
    ASSERT_TRUE(speech.speak(Sentence));
    speech.waitUntilIdle();

    // espeak-ng varies each rendering a little; another voice changes the length by more.
    const QList<EspeakSpeech::Utterance> said = recorder.utterances();
    ASSERT_EQ(said.size(), 3);
    const auto change = [&](int i) {
        return std::abs(double(said[i].samples.size()) / double(said[0].samples.size()) - 1.0);
    };
    EXPECT_LT(change(1), 0.02) << "the refused names left the voice alone";
    EXPECT_GT(change(2), 0.05) << "German speaks the sentence differently";
}

TEST(EspeakSpeech, RateMapsOntoWordsPerMinuteAroundNormal)
{
    const std::pair<int, int> table[] = {{-10, 80}, {-7, 109}, {-4, 137}, {0, 175}, {4, 285},
                                         {7, 368},  {10, 450}, {-50, 80}, {99, 450}};
    for (const auto& [rate, wordsPerMinute] : table)
        EXPECT_EQ(EspeakSpeech::wordsPerMinute(rate), wordsPerMinute) << rate;
}

TEST(EspeakSpeech, AFloodIsBoundedAndDestructionDropsWhatWaits)
{
    UtteranceRecorder recorder;
    // Long enough that the first is still being spoken while the rest arrive.
    const QString longText = Sentence.repeated(60);
    int accepted = 0;
    {
        EspeakSpeech speech(EspeakSpeech::Output::Memory, recorder.sinks());
        ASSERT_TRUE(speech.available());
        // A second engine at the same time would share the library's state: it is refused.
        EspeakSpeech second(EspeakSpeech::Output::Memory, {});
        EXPECT_FALSE(second.available());
        EXPECT_FALSE(second.speak(Sentence));
        for (int i = 0; i < 40; ++i)
            accepted += speech.speak(longText) ? 1 : 0;
    }
    // The one being spoken may already have left the queue.
    EXPECT_GE(accepted, int(EspeakSpeech::QueueCapacity));
    EXPECT_LE(accepted, int(EspeakSpeech::QueueCapacity) + 1);
    EXPECT_LT(recorder.utterances().size(), accepted);
    EXPECT_TRUE(recorder.log().isEmpty()) << "stopping is no failure";

    // Once the first is gone, the next one drives the library again.
    EspeakSpeech next(EspeakSpeech::Output::Memory, recorder.sinks());
    EXPECT_TRUE(next.available());
}

TEST(EspeakSpeechDeathTest, WithoutItsDataTheEngineIsUnavailableAndRefusesEverything)
{
    // The library is initialised once per process: this runs in a fresh one.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QTemporaryDir empty;
            EspeakSpeech speech(EspeakSpeech::Output::Memory, {}, empty.path());
            const bool refused = !speech.available() && speech.voices().isEmpty() &&
                                 !speech.speak(Sentence) && !speech.setVoice(English);
            std::exit(refused ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(SpeechPieces, CutsLongTextAtSentencesThenSpacesAndLosesNothing)
{
    // The expected pieces are joined by "|"; the emoji is a surrogate pair.
    const std::tuple<const char*, int, const char*> cases[] = {
        {"", 10, ""},
        {"short", 10, "short"},
        {"One. Two three four", 10, "One.| Two |three four"},
        {"a.b.c.d.e.f.g", 6, "a.b.c.|d.e.f.|g"},
        {"line\nnext line", 10, "line\n|next line"},
        {"abcdefghij", 4, "abcd|efgh|ij"},
        {"abc\U0001F600de", 4, "abc|\U0001F600de"},
    };
    for (const auto& [text, max, expected] : cases) {
        const QStringList pieces = speechPieces(QString::fromUtf8(text), max);
        EXPECT_EQ(pieces, QString::fromUtf8(expected).split(u'|', Qt::SkipEmptyParts)) << text;
        EXPECT_EQ(pieces.join(QString()), QString::fromUtf8(text));
    }
}

} // namespace
} // namespace verbalink::test
