#include "app/menu/MenuModel.h"

#include <functional>

namespace verbalink {

namespace {

// Visits every entry below item, depth first in menu order, until visit returns true.
const MenuItem* findBelow(const MenuItem& item, const std::function<bool(const MenuItem&)>& visit)
{
    for (int i = 0; i < item.childCount(); ++i) {
        const MenuItem* child = item.child(i);
        if (visit(*child))
            return child;
        if (const MenuItem* hit = findBelow(*child, visit))
            return hit;
    }
    return nullptr;
}

} // namespace

MenuModel::MenuModel(std::unique_ptr<MenuItem> root, QObject* parent)
    : QObject(parent), m_root(root ? std::move(root) : MenuItem::submenu(QString()))
{}

MenuModel::~MenuModel() = default;

const MenuItem* MenuModel::find(int commandId) const
{
    if (commandId == 0)
        return nullptr;
    return findBelow(*m_root,
                     [commandId](const MenuItem& item) { return item.commandId() == commandId; });
}

const MenuItem* MenuModel::findStored(const QString& group, int storedId) const
{
    return findBelow(*m_root, [&](const MenuItem& item) {
        return item.isCommand() && item.group() == group && item.storedId() == storedId;
    });
}

const MenuItem* MenuModel::itemAt(const MenuPath& path) const
{
    const MenuItem* item = m_root.get();
    for (int position : path) {
        item = item->child(position);
        if (!item)
            return nullptr;
    }
    return item;
}

MenuPath MenuModel::pathOf(const MenuItem* item) const
{
    MenuPath path;
    for (; item && item->parent(); item = item->parent())
        path.prepend(item->parent()->indexOf(item));
    return item == m_root.get() ? path : MenuPath();
}

QList<int> MenuModel::commandIds(const MenuPath& submenu) const
{
    QList<int> ids;
    const MenuItem* menu = itemAt(submenu);
    for (int i = 0; menu && i < menu->childCount(); ++i) {
        if (menu->child(i)->isCommand())
            ids.append(menu->child(i)->commandId());
    }
    return ids;
}

QList<int> MenuModel::groupIds(const QString& group) const
{
    QList<int> ids;
    findBelow(*m_root, [&](const MenuItem& item) {
        if (!group.isEmpty() && item.group() == group)
            ids.append(item.commandId());
        return false;
    });
    return ids;
}

MenuItem* MenuModel::mutableFind(int commandId)
{
    return const_cast<MenuItem*>(find(commandId));
}

MenuItem* MenuModel::mutableAt(const MenuPath& path)
{
    return const_cast<MenuItem*>(itemAt(path));
}

MenuItem* MenuModel::mutableSubmenu(const MenuPath& path)
{
    MenuItem* item = mutableAt(path);
    return item && item->isSubmenu() ? item : nullptr;
}

template <typename Change>
bool MenuModel::change(MenuItem* item, Change apply)
{
    if (!item || item == m_root.get())
        return false;
    if (apply(*item))
        Q_EMIT itemChanged(item);
    return true;
}

bool MenuModel::setText(int commandId, const QString& text)
{
    const MenuItem* item = find(commandId);
    return item && setTextAt(pathOf(item), text);
}

bool MenuModel::setTextAt(const MenuPath& path, const QString& text)
{
    return change(path.isEmpty() ? nullptr : mutableAt(path), [&](MenuItem& item) {
        if (item.text() == text)
            return false;
        item.setText(text);
        return true;
    });
}

bool MenuModel::setChecked(int commandId, bool checked)
{
    return change(mutableFind(commandId), [&](MenuItem& item) {
        if (item.isChecked() == checked)
            return false;
        item.setChecked(checked);
        return true;
    });
}

bool MenuModel::checkInGroup(int commandId)
{
    const MenuItem* chosen = find(commandId);
    if (!chosen)
        return false;
    if (!chosen->group().isEmpty()) {
        for (int id : groupIds(chosen->group())) {
            if (id != commandId)
                setChecked(id, false);
        }
    }
    return setChecked(commandId, true);
}

void MenuModel::clearGroup(const QString& group)
{
    for (int id : groupIds(group))
        setChecked(id, false);
}

bool MenuModel::setEnabled(int commandId, bool enabled)
{
    return change(mutableFind(commandId), [&](MenuItem& item) {
        if (item.isEnabled() == enabled)
            return false;
        item.setEnabled(enabled);
        return true;
    });
}

bool MenuModel::setImage(int commandId, const QString& imageKey)
{
    const MenuItem* item = find(commandId);
    return item && setImageAt(pathOf(item), imageKey);
}

bool MenuModel::setImageAt(const MenuPath& path, const QString& imageKey)
{
    return change(path.isEmpty() ? nullptr : mutableAt(path), [&](MenuItem& item) {
        if (item.imageKey() == imageKey)
            return false;
        item.setImageKey(imageKey);
        return true;
    });
}

bool MenuModel::appendItem(const MenuPath& submenu, int commandId, const QString& text,
                           const QString& group)
{
    MenuItem* menu = mutableSubmenu(submenu);
    if (!menu || commandId <= 0 || find(commandId))
        return false;
    auto item = MenuItem::command(commandId, text);
    item->setGroup(group);
    item->setAppended(true);
    menu->appendChild(std::move(item));
    Q_EMIT submenuChanged(menu);
    return true;
}

bool MenuModel::appendSeparator(const MenuPath& submenu, int commandId)
{
    MenuItem* menu = mutableSubmenu(submenu);
    if (!menu || commandId < 0 || (commandId != 0 && find(commandId)))
        return false;
    auto item = MenuItem::separator(commandId);
    item->setAppended(true);
    menu->appendChild(std::move(item));
    Q_EMIT submenuChanged(menu);
    return true;
}

int MenuModel::removeAppended(const MenuPath& submenu)
{
    MenuItem* menu = mutableSubmenu(submenu);
    if (!menu)
        return 0;
    const int removed = menu->removeAppendedChildren();
    if (removed > 0)
        Q_EMIT submenuChanged(menu);
    return removed;
}

} // namespace verbalink
