#include "audio/RecordingNames.h"

#include <QRegularExpression>
#include <QStringList>

namespace verbalink::recordingnames {

QString sanitizedPartner(const QString& displayName)
{
    static const QRegularExpression unsafe(QStringLiteral(R"([\\/:*?"<>|]+)"));
    return displayName.split(unsafe, Qt::SkipEmptyParts).join(u'.');
}

QString folder(const QString& documentsFolder)
{
    QString path = documentsFolder;
    if (!path.endsWith(u'/'))
        path += u'/';
    return path + QString::fromUtf16(FolderName) + u'/';
}

QString temporaryPath(const QString& folder, qint64 epochSeconds)
{
    return folder + QString::number(epochSeconds) + u".wav";
}

QString finalPath(const QString& folder, const QString& partner, const QDateTime& localTime)
{
    return folder + u"REC - " + partner +
           localTime.toString(QStringLiteral(" ( dd-MM-yyyy HH'h' mm'm' ss's')")) + u".wav";
}

} // namespace verbalink::recordingnames
