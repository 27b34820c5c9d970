#pragma once

#include "app/menu/MenuItem.h"

#include <QObject>
#include <QString>
#include <memory>

namespace verbalink {

// The tray menu as state: every entry's text, check mark, enabled state and image key, changed
// by command id or by position, with entries appended at run time (dictionaries, voices).
// Views follow it through the two change signals.
class MenuModel : public QObject {
    Q_OBJECT
public:
    // root is the tray's main submenu; its children are positions 0, 1, ...
    explicit MenuModel(std::unique_ptr<MenuItem> root, QObject* parent = nullptr);
    ~MenuModel() override;

    const MenuItem& root() const { return *m_root; }

    // The first entry with that command id, depth first; null for 0 or an unknown id.
    const MenuItem* find(int commandId) const;
    // The entry of a group whose stored value is storedId (MenuItem::storedId).
    const MenuItem* findStored(const QString& group, int storedId) const;
    // The entry at a path of positions; the empty path is the root.
    const MenuItem* itemAt(const MenuPath& path) const;
    MenuPath pathOf(const MenuItem* item) const;
    // Command ids of the entries of a submenu, in menu order, separators left out.
    QList<int> commandIds(const MenuPath& submenu) const;
    // Command ids of every entry of a group, in menu order.
    QList<int> groupIds(const QString& group) const;

    // Each change returns false, and changes nothing, when the entry does not exist.
    bool setText(int commandId, const QString& text);
    bool setTextAt(const MenuPath& path, const QString& text);
    bool setChecked(int commandId, bool checked);
    // Checks the entry and clears every other check mark of its group.
    bool checkInGroup(int commandId);
    void clearGroup(const QString& group);
    bool setEnabled(int commandId, bool enabled);
    bool setImage(int commandId, const QString& imageKey);
    bool setImageAt(const MenuPath& path, const QString& imageKey);

    // Appends to the submenu at the path. A command id that the menu already has is refused, so
    // that an id always names one entry.
    bool appendItem(const MenuPath& submenu, int commandId, const QString& text,
                    const QString& group = QString());
    bool appendSeparator(const MenuPath& submenu, int commandId = 0);
    // Removes what was appended to that submenu; returns the number removed.
    int removeAppended(const MenuPath& submenu);

Q_SIGNALS:
    // The entry's text, check mark, enabled state or image changed.
    void itemChanged(const verbalink::MenuItem* item);
    // Entries were added to or removed from the submenu.
    void submenuChanged(const verbalink::MenuItem* submenu);

private:
    MenuItem* mutableFind(int commandId);
    MenuItem* mutableAt(const MenuPath& path);
    MenuItem* mutableSubmenu(const MenuPath& path);
    template <typename Change>
    bool change(MenuItem* item, Change apply);

    std::unique_ptr<MenuItem> m_root;
};

} // namespace verbalink
