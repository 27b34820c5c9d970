#include "platform/AutostartFolder.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace verbalink {

namespace {

// Desktop entry string escapes: \s \n \t \r \\.
QString escapeEntryValue(const QString& text)
{
    QString out;
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += u"\\\\";
            break;
        case u'\n':
            out += u"\\n";
            break;
        case u'\t':
            out += u"\\t";
            break;
        case u'\r':
            out += u"\\r";
            break;
        default:
            out += c;
        }
    }
    if (out.startsWith(u' '))
        out.replace(0, 1, QStringLiteral("\\s"));
    return out;
}

QString unescapeEntryValue(QStringView text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i].unicode()) {
        case u's':
            out += u' ';
            break;
        case u'n':
            out += u'\n';
            break;
        case u't':
            out += u'\t';
            break;
        case u'r':
            out += u'\r';
            break;
        default:
            out += text[i];
        }
    }
    return out;
}

} // namespace

AutostartFolder::AutostartFolder(QString folder) : m_folder(std::move(folder)) {}

QString AutostartFolder::entryPath(const QString& name) const
{
    return m_folder + u'/' + name.toLower() + u".desktop";
}

std::optional<QString> AutostartFolder::command(const QString& name) const
{
    QFile file(entryPath(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inMainGroup = line == u"[Desktop Entry]";
        else if (inMainGroup && line.startsWith(u"Exec="))
            return unescapeEntryValue(QStringView(line).mid(5));
    }
    return std::nullopt;
}

bool AutostartFolder::setCommand(const QString& name, const QString& command)
{
    // An entry with an empty Exec line would only confuse the session: no command, no entry.
    if (command.isEmpty())
        return remove(name);
    if (!QDir().mkpath(m_folder))
        return false;
    QSaveFile file(entryPath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QString entry = u"[Desktop Entry]\n"
                          u"Type=Application\n"
                          u"Name=" +
                          escapeEntryValue(name) +
                          u"\n"
                          u"Comment=Start " +
                          escapeEntryValue(name) +
                          u" at login\n"
                          u"Exec=" +
                          escapeEntryValue(command) +
                          u"\n"
                          u"Terminal=false\n"
                          u"X-GNOME-Autostart-enabled=true\n";
    file.write(entry.toUtf8());
    return file.commit();
}

bool AutostartFolder::remove(const QString& name)
{
    QFile file(entryPath(name));
    return !file.exists() || file.remove();
}

} // namespace verbalink
