#include "ApiMessageLog.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

namespace {

QString originWord(ApiMessageChange change)
{
    switch (change) {
    case ApiMessageChange::Typed:
        return u"typed"_s;
    case ApiMessageChange::Received:
        return u"received"_s;
    case ApiMessageChange::Posted:
        return u"posted"_s;
    case ApiMessageChange::BodySet:
    case ApiMessageChange::StatusSet:
    case ApiMessageChange::Delivered:
    case ApiMessageChange::Edited:
        break;
    }
    return {};
}

} // namespace

bool ApiMessageLog::open(const QString& path)
{
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void ApiMessageLog::record(ApiMessageChange change, const ApiChatMessage& message)
{
    if (!m_file.isOpen())
        return;
    const QByteArray stamp =
        m_timestamps ? QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + ' ' : QByteArray();
    m_file.write(stamp + line(change, message).toUtf8() + '\n');
    m_file.flush();
}

QString ApiMessageLog::line(ApiMessageChange change, const ApiChatMessage& message)
{
    const QString id = QString::number(message.id);
    if (change == ApiMessageChange::BodySet)
        return u"BODY "_s + id + u' ' + escape(message.body);
    if (change == ApiMessageChange::StatusSet)
        return u"STATUS "_s + id + u' ' + message.status;
    if (change == ApiMessageChange::Delivered)
        return u"DELIVERED "_s + id;
    if (change == ApiMessageChange::Edited)
        return u"EDITED "_s + id + u' ' + escape(message.body);
    return u"NEW "_s + id + u' ' + originWord(change) + u' ' + message.chatName + u' ' +
           message.author + u' ' + escape(message.body);
}

QString ApiMessageLog::escape(const QString& text)
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

} // namespace verbalink::desktopapi
