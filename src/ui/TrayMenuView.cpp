#include "ui/TrayMenuView.h"

#include "app/menu/MenuModel.h"
#include "ui/MenuImageProvider.h"

#include <QAction>
#include <QMenu>

namespace verbalink {

TrayMenuView::TrayMenuView(const MenuModel& model, const MenuImageProvider& images, QObject* parent)
    : QObject(parent), m_model(model), m_images(images), m_menu(std::make_unique<QMenu>())
{
    m_menus.insert(&m_model.root(), m_menu.get());
    fill(*m_menu, m_model.root());
    connect(&m_model, &MenuModel::itemChanged, this, &TrayMenuView::onItemChanged);
    connect(&m_model, &MenuModel::submenuChanged, this, &TrayMenuView::onSubmenuChanged);
}

TrayMenuView::~TrayMenuView() = default;

void TrayMenuView::fill(QMenu& menu, const MenuItem& submenu)
{
    for (int i = 0; i < submenu.childCount(); ++i)
        addEntry(menu, *submenu.child(i));
}

QAction* TrayMenuView::addEntry(QMenu& menu, const MenuItem& item)
{
    QAction* action = nullptr;
    if (item.isSeparator()) {
        action = menu.addSeparator();
    } else if (item.isSubmenu()) {
        // Parented to the menu above it, so deleting that menu deletes this one too.
        auto* submenu = new QMenu(&menu);
        m_menus.insert(&item, submenu);
        fill(*submenu, item);
        action = submenu->menuAction();
        menu.addAction(action);
    } else {
        action = menu.addAction(QString());
        connect(action, &QAction::triggered, this, [this, action] { onTriggered(action); });
    }
    m_actions.insert(&item, action);
    m_items.insert(action, &item);
    apply(*action, item);
    return action;
}

void TrayMenuView::apply(QAction& action, const MenuItem& item) const
{
    if (item.isSeparator())
        return;
    action.setText(item.text());
    action.setEnabled(item.isEnabled());
    action.setIcon(item.imageKey().isEmpty() ? QIcon() : m_images.icon(item.imageKey()));
    if (item.isCommand()) {
        // As in a native menu, only a checked entry shows a check mark.
        action.setCheckable(item.isChecked());
        action.setChecked(item.isChecked());
    }
}

void TrayMenuView::forget(QMenu& menu)
{
    for (QAction* action : menu.actions()) {
        if (QMenu* submenu = action->menu()) {
            forget(*submenu);
            m_menus.remove(m_items.value(action));
        }
        m_actions.remove(m_items.take(action));
    }
}

void TrayMenuView::onItemChanged(const MenuItem* item)
{
    if (QAction* action = m_actions.value(item))
        apply(*action, *item);
}

void TrayMenuView::onSubmenuChanged(const MenuItem* submenu)
{
    QMenu* menu = m_menus.value(submenu);
    if (!menu)
        return;
    // The removed entries are gone from the model already; only their actions can be trusted.
    forget(*menu);
    const QList<QMenu*> submenus = menu->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
    menu->clear();
    qDeleteAll(submenus);
    fill(*menu, *submenu);
}

void TrayMenuView::onTriggered(QAction* action)
{
    const MenuItem* item = m_items.value(action);
    if (!item)
        return;
    // Undo the toggle Qt made on a checkable action; the command's owner sets the mark.
    action->setChecked(item->isChecked());
    Q_EMIT commandTriggered(item->commandId());
}

} // namespace verbalink
