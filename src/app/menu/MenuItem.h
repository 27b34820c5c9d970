#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace verbalink {

// A place in the menu tree: one position per level, starting in the tray's main submenu.
using MenuPath = QList<int>;

// One entry of a menu tree: a command, a separator or a submenu with its own entries. The state
// mirrors what a menu item shows (text, check mark, enabled, image); MenuModel changes it.
class MenuItem {
public:
    enum class Kind { Command, Separator, Submenu };

    static std::unique_ptr<MenuItem> command(int commandId, const QString& text);
    static std::unique_ptr<MenuItem> separator(int commandId = 0);
    static std::unique_ptr<MenuItem> submenu(const QString& text);

    Kind kind() const { return m_kind; }
    bool isCommand() const { return m_kind == Kind::Command; }
    bool isSeparator() const { return m_kind == Kind::Separator; }
    bool isSubmenu() const { return m_kind == Kind::Submenu; }

    // 0 for submenus and for separators without an id.
    int commandId() const { return m_commandId; }
    // The number that settings store for this entry; the command id unless the entry says
    // otherwise (an entry whose stored value another menu's command id already uses).
    int storedId() const { return m_storedId != 0 ? m_storedId : m_commandId; }
    const QString& text() const { return m_text; }
    bool isChecked() const { return m_checked; }
    bool isEnabled() const { return m_enabled; }
    const QString& imageKey() const { return m_imageKey; }
    // Entries of one group carry one check mark between them.
    const QString& group() const { return m_group; }
    // Added at run time rather than read from the menu resource.
    bool isAppended() const { return m_appended; }

    const MenuItem* parent() const { return m_parent; }
    int childCount() const { return static_cast<int>(m_children.size()); }
    const MenuItem* child(int position) const;
    MenuItem* child(int position);
    int indexOf(const MenuItem* item) const;

    void setStoredId(int id) { m_storedId = id; }
    void setText(const QString& text) { m_text = text; }
    void setChecked(bool checked) { m_checked = checked; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    void setImageKey(const QString& key) { m_imageKey = key; }
    void setGroup(const QString& group) { m_group = group; }
    void setAppended(bool appended) { m_appended = appended; }

    // Only submenus take children.
    void appendChild(std::unique_ptr<MenuItem> item);
    // Removes the children marked appended; returns how many went.
    int removeAppendedChildren();

private:
    MenuItem(Kind kind, int commandId, const QString& text);

    Kind m_kind;
    int m_commandId;
    int m_storedId = 0;
    QString m_text;
    bool m_checked = false;
    bool m_enabled = true;
    QString m_imageKey;
    QString m_group;
    bool m_appended = false;
    MenuItem* m_parent = nullptr;
    std::vector<std::unique_ptr<MenuItem>> m_children;
};

} // namespace verbalink
