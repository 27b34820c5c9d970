#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QMap>
#include <QString>
#include <utility>

namespace verbalink::gateway {

// The translation directions installed for Apertium, one mode file each ("eng-spa.mode",
// "en-eo.mode"), named here by their languages' three letters. Variants such as
// "eng-cat_valencia" or "eo-en-compounds" are left out.
class ApertiumModes {
public:
    using Direction = std::pair<QByteArray, QByteArray>;

    static constexpr const char* DefaultFolder = "/usr/share/apertium/modes";

    static ApertiumModes scan(const QString& folder);

    // The mode file of that direction, or empty.
    QString modeFile(QByteArrayView from, QByteArrayView to) const;
    QList<Direction> directions() const { return m_modes.keys(); }
    QList<QByteArray> languages() const;

private:
    QMap<Direction, QString> m_modes;
};

} // namespace verbalink::gateway
