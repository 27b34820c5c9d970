#pragma once

#include "skype/IncomingMessageHandler.h"
#include "skype/MessageCipher.h"
#include "skype/MessageFeatures.h"
#include "skype/MessageSpeaker.h"
#include "skype/TextArtTable.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <atomic>
#include <mutex>

namespace verbalink::test {

// Feature switches a test flips directly.
struct FakeFeatures final : MessageFeatures {
    bool translationEnabled() const override { return translation.load(); }
    bool spellCheckEnabled() const override { return spellCheck.load(); }
    bool encryptionEnabled() const override { return encryption.load(); }
    bool incomingTranslationEnabled() const override { return incomingTranslation.load(); }
    bool speechEnabled() const override { return speech.load(); }
    int avatarSize() const override { return avatar.load(); }
    bool robotUsersExist() const override { return robotUsers.load(); }
    bool filterExcludes(const QString& handle) const override
    {
        std::lock_guard lock(mutex);
        return excluded.contains(handle);
    }

    std::atomic<bool> translation{false};
    std::atomic<bool> spellCheck{false};
    std::atomic<bool> encryption{false};
    std::atomic<bool> incomingTranslation{false};
    std::atomic<bool> speech{false};
    std::atomic<int> avatar{0};
    std::atomic<bool> robotUsers{false};
    mutable std::mutex mutex;
    QSet<QString> excluded;
};

// Records what a feature step was handed.
struct RecordingHandler final : IncomingMessageHandler {
    struct Call {
        QString text;
        QString partner;
    };
    void handle(const QString& text, const QString& partner) override
    {
        calls.append({text, partner});
    }
    QList<Call> calls;
};

struct FakeSpeaker final : MessageSpeaker {
    bool speak(const QString& text) override
    {
        spoken.append(text);
        return succeeds;
    }
    QStringList spoken;
    bool succeeds = true;
};

// A recognisable stand-in for the real cipher.
struct FakeCipher final : MessageCipher {
    QByteArray encrypt(const QByteArray& plainUtf8) override
    {
        return "cipher(" + plainUtf8.toHex() + ")";
    }
};

struct FakeTextArt final : TextArtTable {
    std::optional<QString> picture(const QString& effectName) const override
    {
        const auto found = pictures.constFind(effectName);
        if (found == pictures.cend())
            return std::nullopt;
        return *found;
    }
    QHash<QString, QString> pictures;
};

} // namespace verbalink::test
