// The fuzz target's seed corpus, replayed with its driver, whole, cut short and mutated.
#include "fuzz/GatewayFuzzDriver.h"
#include "gateway/HttpRequestParser.h"
#include "gateway/ServiceRequestReader.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace verbalink::gateway {
namespace {

using namespace Qt::StringLiterals;

QList<std::pair<QString, QByteArray>> corpus()
{
    QList<std::pair<QString, QByteArray>> files;
    const QDir folder(QStringLiteral(GATEWAY_CORPUS_DIR));
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.append({name, file.readAll()});
    }
    return files;
}

TEST(GatewayCorpus, TheEnginesRequestsInItAreWholeServiceRequests)
{
    const QStringList engines{u"google"_s,  u"google-detecting"_s, u"yahoo"_s,   u"bing"_s,
                              u"babylon"_s, u"systran-cookie"_s,   u"systran"_s, u"promt"_s};
    int found = 0;
    for (const auto& [name, bytes] : corpus()) {
        if (!engines.contains(name.chopped(5)))
            continue;
        SCOPED_TRACE(name.toStdString());
        ++found;
        const ParsedRequest parsed = parseHttpRequest(bytes);
        ASSERT_EQ(parsed.state, ParsedRequest::State::Complete);
        EXPECT_TRUE(readServiceRequest(parsed.request).request);
    }
    EXPECT_EQ(found, engines.size());
}

TEST(GatewayCorpus, DriverHoldsOnEverySeedEveryPrefixAndByteChanges)
{
    const char replacements[] = {'\0', '\r', '\n', ' ', ':', '%', '[', '\\', '\xff'};
    for (const auto& [name, bytes] : corpus()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(fuzz::driveGateway(bytes).toStdString(), "");
        for (qsizetype length = 0; length < bytes.size(); ++length)
            ASSERT_EQ(fuzz::driveGateway(bytes.first(length)).toStdString(), "") << length;
        for (qsizetype at = 0; at < bytes.size(); at += 3) {
            for (const char replacement : replacements) {
                QByteArray changed = bytes;
                changed[at] = replacement;
                ASSERT_EQ(fuzz::driveGateway(changed).toStdString(), "") << at;
            }
        }
    }
}

} // namespace
} // namespace verbalink::gateway
