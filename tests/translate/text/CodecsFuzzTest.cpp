#include "FuzzReplay.h"
#include "fuzz/CodecsFuzzDriver.h"

#include <QByteArray>
#include <QList>
#include <gtest/gtest.h>
#include <random>

using namespace verbalink;

namespace {

// Bytes that make the codecs take their interesting paths.
constexpr char interesting[] = "&#;0123456789xu\\AZaz=+/ %\"<>ampltgq\n\r";

QByteArray randomInput(std::mt19937& random)
{
    std::uniform_int_distribution<int> length(0, 80);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<int> pick(0, sizeof(interesting) - 2);
    QByteArray input;
    input.append(static_cast<char>(anyByte(random))); // the driver's selector
    for (int n = length(random); n > 0; --n)
        input.append(kind(random) == 0 ? static_cast<char>(anyByte(random))
                                       : interesting[pick(random)]);
    return input;
}

QList<QByteArray> adversarialInputs()
{
    QList<QByteArray> inputs;
    for (const char selector : {'\x00', '\x01', '\x05', '\x10', '\x7f', '\xff'}) {
        const QByteArray s(1, selector);
        inputs << s + "\xc3" << s + "ab\xe2\x82" << s + "\xf0\x9f\x98" << s + "\xed\xa0\x80"
               << s + QByteArray("\xd8\x00\x00\x41\xdc\x00", 6) // lone surrogates as units
               << s + QByteArray("a\0b\0\0c", 6) << s + QByteArray(200, '\0')
               << s + QByteArray("&#").repeated(60) << s + "&#38;#38;#38;#65;"
               << s + "&#1234567;&#123456;&#65536;&#55357;&#56832;"
               << s + QByteArray("\\u").repeated(60) << s + "\\u005cu005c\\u0026amp;"
               << s + QByteArray("&amp;").repeated(20) << s + "aaaaaaaaab" << s + "YQ==YQ"
               << s + "=";
    }
    return inputs;
}

} // namespace

TEST(CodecsFuzz, DriverHoldsOnAdversarialInputs)
{
    for (const QByteArray& input : adversarialInputs())
        EXPECT_EQ(fuzz::driveCodecs(input).toStdString(), "") << input.toHex().toStdString();
}

TEST(CodecsFuzz, DriverHoldsOnPseudoRandomInputs)
{
    std::mt19937 random(20240611);
    for (int i = 0; i < 4000; ++i) {
        const QByteArray input = randomInput(random);
        const QString failure = fuzz::driveCodecs(input);
        ASSERT_TRUE(failure.isEmpty())
            << failure.toStdString() << " on " << input.toHex().toStdString();
    }
}

TEST(CodecsFuzz, DriverHoldsOnTheCorpus)
{
    test::expectDriverHolds(&fuzz::driveCodecs, QStringLiteral(CODECS_CORPUS), 1000);
}
