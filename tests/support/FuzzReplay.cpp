#include "FuzzReplay.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

namespace verbalink::test {

namespace {

// Bytes that make parsers take their interesting paths.
constexpr char Interesting[] = "\r\n\t ,;=[]\\\"#$/:&%0\xff\xc3\xa9";

QByteArray mutate(QByteArray input, const QList<CorpusInput>& corpus, std::mt19937& random)
{
    auto below = [&random](qsizetype n) {
        return qsizetype(
            std::uniform_int_distribution<qsizetype>(0, qMax<qsizetype>(n, 1) - 1)(random));
    };
    const int steps = 1 + int(below(4));
    for (int step = 0; step < steps; ++step) {
        const qsizetype at = below(input.size() + 1);
        switch (below(5)) {
        case 0:
            if (!input.isEmpty())
                input[qMin(at, input.size() - 1)] = char(below(256));
            break;
        case 1:
            input.insert(at, Interesting[below(sizeof Interesting - 1)]);
            break;
        case 2:
            input.remove(at, below(8) + 1);
            break;
        case 3:
            input.insert(at, input.mid(below(input.size()), below(16) + 1).repeated(below(4) + 1));
            break;
        default:
            input.insert(at, corpus[below(corpus.size())].bytes.mid(below(64)));
            break;
        }
    }
    return input;
}

} // namespace

QList<CorpusInput> readCorpus(const QString& folder)
{
    QList<CorpusInput> inputs;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            inputs.append({name, file.readAll()});
    }
    return inputs;
}

QList<QByteArray> mutatedInputs(const QList<CorpusInput>& corpus, int count, quint32 seed)
{
    QList<QByteArray> inputs;
    if (corpus.isEmpty())
        return inputs;
    std::mt19937 random(seed);
    for (int i = 0; i < count; ++i)
        inputs.append(mutate(corpus[qsizetype(random() % corpus.size())].bytes, corpus, random));
    return inputs;
}

void expectDriverHolds(FuzzDriver driver, const QString& folder, int mutations)
{
    const QList<CorpusInput> corpus = readCorpus(folder);
    ASSERT_FALSE(corpus.isEmpty()) << "no corpus in " << folder.toStdString();
    for (const CorpusInput& input : corpus)
        EXPECT_EQ(driver(input.bytes).toStdString(), "") << input.name.toStdString();
    for (const QByteArray& input : mutatedInputs(corpus, mutations, 20241208)) {
        const QString failure = driver(input);
        ASSERT_TRUE(failure.isEmpty())
            << failure.toStdString() << " on " << input.toHex().toStdString();
    }
}

} // namespace verbalink::test
