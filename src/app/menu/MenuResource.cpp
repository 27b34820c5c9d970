#include "app/menu/MenuResource.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace verbalink {

using namespace Qt::StringLiterals;

namespace {

// Command ids travel as 16-bit menu identifiers.
constexpr int MaxCommandId = 0xFFFF;
// Far deeper than any menu; it only keeps a damaged resource from recursing without end.
constexpr int MaxDepth = 16;

class TreeReader {
public:
    bool readItems(const QJsonArray& items, MenuItem& into, int depth);
    QString error;

private:
    std::unique_ptr<MenuItem> readItem(const QJsonObject& object, int depth);
    bool checkKeys(const QJsonObject& object, const QStringList& allowed);
    bool readId(const QJsonValue& value, const char* what, int& id);
    bool readOptions(const QJsonObject& object, MenuItem& item);
    bool fail(const QString& message);

    QSet<int> m_ids;
    QString m_where;
};

bool TreeReader::fail(const QString& message)
{
    if (error.isEmpty())
        error = m_where.isEmpty() ? message : message + u" (in \"" + m_where + u"\")";
    return false;
}

bool TreeReader::checkKeys(const QJsonObject& object, const QStringList& allowed)
{
    for (const QString& key : object.keys()) {
        if (!allowed.contains(key))
            return fail(u"unknown key \"" + key + u'"');
    }
    return true;
}

bool TreeReader::readId(const QJsonValue& value, const char* what, int& id)
{
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number != static_cast<int>(number) || number < 1 ||
        number > MaxCommandId)
        return fail(QLatin1String(what) + u" must be a whole number from 1 to 65535");
    id = static_cast<int>(number);
    return true;
}

bool TreeReader::readOptions(const QJsonObject& object, MenuItem& item)
{
    const auto text = [&](const QString& key, void (MenuItem::*set)(const QString&)) {
        if (!object.contains(key))
            return true;
        if (!object.value(key).isString())
            return fail(u'"' + key + u"\" must be a string");
        (item.*set)(object.value(key).toString());
        return true;
    };
    const auto flag = [&](const QString& key, void (MenuItem::*set)(bool)) {
        if (!object.contains(key))
            return true;
        if (!object.value(key).isBool())
            return fail(u'"' + key + u"\" must be true or false");
        (item.*set)(object.value(key).toBool());
        return true;
    };
    if (!text(u"image"_s, &MenuItem::setImageKey) || !text(u"group"_s, &MenuItem::setGroup) ||
        !flag(u"checked"_s, &MenuItem::setChecked) || !flag(u"enabled"_s, &MenuItem::setEnabled))
        return false;
    if (object.contains(u"stored")) {
        int stored = 0;
        if (!readId(object.value(u"stored"), "\"stored\"", stored))
            return false;
        item.setStoredId(stored);
    }
    return true;
}

std::unique_ptr<MenuItem> TreeReader::readItem(const QJsonObject& object, int depth)
{
    if (object.value(u"separator").toBool()) {
        if (!checkKeys(object, {u"separator"_s, u"id"_s}))
            return nullptr;
        int id = 0;
        if (object.contains(u"id") && !readId(object.value(u"id"), "a separator's id", id))
            return nullptr;
        return MenuItem::separator(id);
    }
    if (!object.value(u"text").isString()) {
        fail(u"an entry without a text"_s);
        return nullptr;
    }
    const QString text = object.value(u"text").toString();
    std::unique_ptr<MenuItem> item;
    if (object.contains(u"items")) {
        if (!checkKeys(object, {u"text"_s, u"items"_s, u"image"_s, u"enabled"_s}))
            return nullptr;
        if (!object.value(u"items").isArray()) {
            fail(u"\"items\" of \"" + text + u"\" must be a list");
            return nullptr;
        }
        item = MenuItem::submenu(text);
        const QString outer = m_where;
        m_where = text;
        const bool ok = readItems(object.value(u"items").toArray(), *item, depth + 1);
        m_where = outer;
        if (!ok)
            return nullptr;
    } else {
        if (!checkKeys(object, {u"id"_s, u"text"_s, u"image"_s, u"group"_s, u"checked"_s,
                                u"enabled"_s, u"stored"_s}))
            return nullptr;
        int id = 0;
        if (!readId(object.value(u"id"), "a command's id", id))
            return nullptr;
        if (m_ids.contains(id)) {
            fail(u"command id " + QString::number(id) + u" appears twice");
            return nullptr;
        }
        m_ids.insert(id);
        item = MenuItem::command(id, text);
    }
    if (!readOptions(object, *item))
        return nullptr;
    return item;
}

bool TreeReader::readItems(const QJsonArray& items, MenuItem& into, int depth)
{
    if (depth > MaxDepth)
        return fail(u"menus nested too deeply"_s);
    for (const QJsonValue& value : items) {
        if (!value.isObject())
            return fail(u"an entry that is not an object"_s);
        auto item = readItem(value.toObject(), depth);
        if (!item)
            return false;
        into.appendChild(std::move(item));
    }
    return true;
}

} // namespace

QString MenuResource::trayMenuPath()
{
    return u":/menu/tray-menu.json"_s;
}

MenuResource::Result MenuResource::readTrayMenu()
{
    QFile file(trayMenuPath());
    if (!file.open(QIODevice::ReadOnly))
        return {nullptr, u"the tray menu resource is missing"_s};
    return parse(file.readAll());
}

MenuResource::Result MenuResource::parse(const QByteArray& json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {nullptr, u"not JSON: " + parseError.errorString() + u" at offset " +
                             QString::number(parseError.offset)};
    const QJsonObject top = document.object();
    if (top.value(u"format").toInt() != 1)
        return {nullptr, u"unknown menu format (expected \"format\": 1)"_s};
    if (!top.value(u"items").isArray())
        return {nullptr, u"the menu has no \"items\" list"_s};

    auto root = MenuItem::submenu(QString());
    TreeReader reader;
    if (!reader.readItems(top.value(u"items").toArray(), *root, 0))
        return {nullptr, reader.error};
    return {std::move(root), QString()};
}

} // namespace verbalink
