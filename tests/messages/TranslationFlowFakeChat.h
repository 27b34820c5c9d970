#pragma once

#include "messages/ContactsPort.h"
#include "messages/TranslationChat.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <mutex>

namespace verbalink::test {

// The chat client as the translation flows see it: records what they do, answers from tables;
// every partner speaks English. Thread-safe, as the incoming flow calls it from its threads.
class FakeTranslationChat final : public TranslationChat, public ContactsPort {
public:
    struct Replacement {
        qint32 id;
        QString text;
    };
    struct Post {
        QString name;
        QString text;
        bool onlyKnown;
    };

    QByteArray partnerLanguage(const QString&) override { return "en"; }
    bool replaceMessageBody(qint32 messageId, const QString& text) override
    {
        std::lock_guard lock(m_mutex);
        m_replacements.append({messageId, text});
        return true;
    }
    bool postMessageTo(const QString& name, const QString& text, bool onlyKnown) override
    {
        std::lock_guard lock(m_mutex);
        m_posts.append({name, text, onlyKnown});
        return true;
    }
    QString displayName(const QString& handle) override
    {
        std::lock_guard lock(m_mutex);
        return m_names.value(handle);
    }
    bool refreshContacts() override
    {
        std::lock_guard lock(m_mutex);
        ++m_refreshes;
        return true;
    }
    QByteArray uiLanguage() override
    {
        std::lock_guard lock(m_mutex);
        return m_uiLanguage;
    }
    bool encryptionOn() override { return m_encryption; }
    void log(const QString& line) override
    {
        std::lock_guard lock(m_mutex);
        m_log.append(line);
    }

    void setEncryption(bool on) { m_encryption = on; }
    void setName(const QString& handle, const QString& name)
    {
        std::lock_guard lock(m_mutex);
        m_names.insert(handle, name);
    }
    void setUiLanguage(const QByteArray& language)
    {
        std::lock_guard lock(m_mutex);
        m_uiLanguage = language;
    }

    QList<Replacement> replacements() const
    {
        std::lock_guard lock(m_mutex);
        return m_replacements;
    }
    QList<Post> posts() const
    {
        std::lock_guard lock(m_mutex);
        return m_posts;
    }
    QStringList logLines() const
    {
        std::lock_guard lock(m_mutex);
        return m_log;
    }
    int refreshes() const
    {
        std::lock_guard lock(m_mutex);
        return m_refreshes;
    }

private:
    mutable std::mutex m_mutex;
    std::atomic<bool> m_encryption{false};
    QHash<QString, QString> m_names;
    QByteArray m_uiLanguage;
    QList<Replacement> m_replacements;
    QList<Post> m_posts;
    QStringList m_log;
    int m_refreshes = 0;
};

} // namespace verbalink::test
