#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace verbalink::test {

// A fuzz driver: runs one input and returns what broke, empty when every property held.
using FuzzDriver = QString (*)(QByteArrayView input);

struct CorpusInput {
    QString name;
    QByteArray bytes;
};

// Every file of a fuzz target's corpus folder (its seeds and the inputs of fixed findings).
QList<CorpusInput> readCorpus(const QString& folder);

// Deterministic variations of the corpus: bytes flipped, inserted, deleted, repeated and inputs
// spliced, so the ordinary tests also reach a little beyond the seeds.
QList<QByteArray> mutatedInputs(const QList<CorpusInput>& corpus, int count, quint32 seed);

// Replays the corpus and `mutations` variations through the driver; each broken property is
// a test failure naming the input.
void expectDriverHolds(FuzzDriver driver, const QString& folder, int mutations);

} // namespace verbalink::test
