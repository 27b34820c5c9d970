#include "skype/SkypeSession.h"

#include <utility>

namespace verbalink {

QByteArray SkypeSession::currentUserHandle() const
{
    std::lock_guard lock(m_mutex);
    return m_userHandle;
}

QString SkypeSession::currentUserHandleWide() const
{
    std::lock_guard lock(m_mutex);
    return m_userHandleWide;
}

void SkypeSession::setCurrentUserHandle(const QString& handle)
{
    std::lock_guard lock(m_mutex);
    m_userHandle = handle.toUtf8();
    m_userHandleWide = handle;
}

QByteArray SkypeSession::uiLanguage() const
{
    std::lock_guard lock(m_mutex);
    return m_uiLanguage;
}

bool SkypeSession::replaceUiLanguage(const QByteArray& language)
{
    std::lock_guard lock(m_mutex);
    const bool changed = language != m_uiLanguage;
    m_uiLanguage = language;
    return changed;
}

QString SkypeSession::selfSentText() const
{
    std::lock_guard lock(m_mutex);
    return m_selfSentText;
}

void SkypeSession::setSelfSentText(const QString& text)
{
    std::lock_guard lock(m_mutex);
    m_selfSentText = text;
}

QString SkypeSession::takeSelfSentText()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_selfSentText, QString());
}

} // namespace verbalink
