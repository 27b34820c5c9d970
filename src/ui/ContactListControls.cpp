#include "ui/ContactListControls.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace verbalink {

ContactListControls ContactListControls::create(QDialog& dialog, qsizetype maxUserText)
{
    ContactListControls controls;
    controls.user = new QComboBox(&dialog);
    controls.user->setEditable(true);
    controls.user->setInsertPolicy(QComboBox::NoInsert);
    controls.user->lineEdit()->setMaxLength(int(maxUserText));
    controls.user->setMinimumContentsLength(24);
    controls.list = new QListWidget(&dialog);
    controls.list->setMinimumWidth(320);
    controls.add = new QPushButton(QStringLiteral("Add"), &dialog);
    controls.remove = new QPushButton(QStringLiteral("Remove"), &dialog);
    controls.removeAll = new QPushButton(QStringLiteral("Remove All"), &dialog);
    controls.close = new QPushButton(QStringLiteral("Close"), &dialog);
    controls.close->setDefault(true);
    return controls;
}

void ContactListControls::showContacts(const QStringList& entries)
{
    user->addItems(entries);
    user->setCurrentIndex(user->count() > 0 ? 0 : -1);
}

qsizetype ContactListControls::selectedRow() const
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

} // namespace verbalink
