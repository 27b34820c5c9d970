#pragma once

#include <QByteArray>
#include <QString>
#include <mutex>

namespace verbalink {

// What the notifications tell about the user's session: the own handle, the client's
// interface language and the text the program itself last posted into a chat.
class SkypeSession {
public:
    QByteArray currentUserHandle() const;
    QString currentUserHandleWide() const;
    void setCurrentUserHandle(const QString& handle);

    QByteArray uiLanguage() const;
    // Stores the language; true when it differs from the previous one.
    bool replaceUiLanguage(const QByteArray& language);

    QString selfSentText() const;
    void setSelfSentText(const QString& text);
    // Returns the text and clears it.
    QString takeSelfSentText();

private:
    mutable std::mutex m_mutex;
    QByteArray m_userHandle;
    QString m_userHandleWide;
    QByteArray m_uiLanguage;
    QString m_selfSentText;
};

} // namespace verbalink
