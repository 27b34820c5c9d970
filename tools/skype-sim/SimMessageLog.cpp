#include "SimMessageLog.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace verbalink::sim {

namespace {

QString originWord(SimMessageChange change)
{
    switch (change) {
    case SimMessageChange::Typed:
        return u"typed"_s;
    case SimMessageChange::Received:
        return u"received"_s;
    case SimMessageChange::Posted:
        return u"posted"_s;
    case SimMessageChange::BodySet:
        break;
    }
    return {};
}

} // namespace

bool SimMessageLog::open(const QString& path)
{
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void SimMessageLog::record(SimMessageChange change, const SimChatMessage& message)
{
    if (!m_file.isOpen())
        return;
    const QByteArray stamp =
        m_timestamps ? QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + ' ' : QByteArray();
    m_file.write(stamp + line(change, message).toUtf8() + '\n');
    m_file.flush();
}

QString SimMessageLog::line(SimMessageChange change, const SimChatMessage& message)
{
    const QString id = QString::number(message.id);
    if (change == SimMessageChange::BodySet)
        return u"BODY "_s + id + u' ' + escape(message.body);
    return u"NEW "_s + id + u' ' + originWord(change) + u' ' + message.chatName + u' ' +
           message.author + u' ' + escape(message.body);
}

QString SimMessageLog::escape(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\')
            escaped += u"\\\\"_s;
        else if (c == u'\r')
            escaped += u"\\r"_s;
        else if (c == u'\n')
            escaped += u"\\n"_s;
        else
            escaped += c;
    }
    return escaped;
}

} // namespace verbalink::sim
