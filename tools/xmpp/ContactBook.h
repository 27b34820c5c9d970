#pragma once

#include <QHash>
#include <QImage>
#include <QString>

namespace verbalink::desktopapi {
struct ApiState;
}

namespace verbalink::xmpp {

// What the client knows of each person, by handle, and the desktop API's users made of it:
// FULLNAME is the roster name, else the vCard's, else empty; LANGUAGE is the one the user chose
// for the contact in the window, else the xml:lang of the contact's last message, else empty.
class ContactBook {
public:
    explicit ContactBook(desktopapi::ApiState& state);

    // A roster item, new or changed: the person becomes a friend.
    void putRosterItem(const QString& handle, const QString& rosterName);
    void removeRosterItem(const QString& handle);
    // Someone who wrote or sits in a room without being in the roster.
    void meet(const QString& handle, const QString& nick);
    void setCardName(const QString& handle, const QString& fullName);
    void setPhoto(const QString& handle, const QImage& photo);
    // The language the user set for the contact; empty goes back to what their messages say.
    void chooseLanguage(const QString& handle, const QString& code);
    void heardLanguage(const QString& handle, const QString& xmlLang);

    QImage picture(const QString& handle) const;
    bool knows(const QString& handle) const { return m_people.contains(handle); }

    // The language code of an xml:lang value ("es" for "es-ES"); empty for anything that is
    // no language tag.
    static QString primaryLanguage(const QString& xmlLang);

private:
    struct Person {
        QString rosterName;
        QString cardName;
        QString nick;
        QString chosenLanguage;
        QString heardLanguage;
        QImage photo;
        bool inRoster = false;
    };

    void publish(const QString& handle);

    desktopapi::ApiState& m_state;
    QHash<QString, Person> m_people;
};

} // namespace verbalink::xmpp
