#pragma once

#include <QHash>
#include <QObject>
#include <memory>

class QAction;
class QMenu;

namespace verbalink {

class MenuImageProvider;
class MenuItem;
class MenuModel;

// Shows a MenuModel as a QMenu tree, keeps it in step with the model and reports a chosen
// entry as its command id. The model alone decides check marks: a click never changes one.
class TrayMenuView final : public QObject {
    Q_OBJECT
public:
    // The model and the images must outlive the view.
    TrayMenuView(const MenuModel& model, const MenuImageProvider& images,
                 QObject* parent = nullptr);
    ~TrayMenuView() override;

    QMenu* menu() const { return m_menu.get(); }
    // The action showing an entry (a submenu's menuAction()); null for the root or unknown.
    QAction* actionFor(const MenuItem* item) const { return m_actions.value(item); }

Q_SIGNALS:
    void commandTriggered(int commandId);

private:
    void fill(QMenu& menu, const MenuItem& submenu);
    QAction* addEntry(QMenu& menu, const MenuItem& item);
    void apply(QAction& action, const MenuItem& item) const;
    void forget(QMenu& menu);
    void onItemChanged(const MenuItem* item);
    void onSubmenuChanged(const MenuItem* submenu);
    void onTriggered(QAction* action);

    const MenuModel& m_model;
    const MenuImageProvider& m_images;
    std::unique_ptr<QMenu> m_menu;
    QHash<const MenuItem*, QAction*> m_actions;
    QHash<QAction*, const MenuItem*> m_items;
    QHash<const MenuItem*, QMenu*> m_menus;
};

} // namespace verbalink
