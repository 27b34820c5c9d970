#include "ui/RobotUsersDialog.h"

#include "extras/RobotUsersForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace verbalink {

RobotUsersDialog::RobotUsersDialog(RobotUsersForm& form, const QStringList& contactEntries,
                                   QWidget* parent)
    : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("Verbalink A.I. Talk Robot"));
    buildControls();
    m_form.open(contactEntries);
    m_user->addItems(m_form.contactEntries());
    m_user->setCurrentIndex(m_user->count() > 0 ? 0 : -1);
    m_list->addItems(m_form.lines());
}

void RobotUsersDialog::buildControls()
{
    m_user = new QComboBox(this);
    m_user->setEditable(true);
    m_user->setInsertPolicy(QComboBox::NoInsert);
    m_user->lineEdit()->setMaxLength(int(RobotUsersForm::MaxUserText));
    m_user->setMinimumContentsLength(24);
    m_list = new QListWidget(this);
    m_list->setMinimumWidth(320);
    m_add = new QPushButton(QStringLiteral("Add"), this);
    m_remove = new QPushButton(QStringLiteral("Remove"), this);
    m_removeAll = new QPushButton(QStringLiteral("Remove All"), this);
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(m_user, 1);
    top->addWidget(m_add);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_remove);
    buttons->addWidget(m_removeAll);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("List of all users put in A.I. talk mode"), this));
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, &RobotUsersDialog::add);
    connect(m_remove, &QPushButton::clicked, this, &RobotUsersDialog::remove);
    connect(m_removeAll, &QPushButton::clicked, this, &RobotUsersDialog::removeAll);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

void RobotUsersDialog::add()
{
    if (const std::optional<QString> line = m_form.add(m_user->currentText()))
        m_list->addItem(*line);
}

void RobotUsersDialog::remove()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    const int row = selected.isEmpty() ? -1 : m_list->row(selected.first());
    if (m_form.remove(row))
        std::unique_ptr<QListWidgetItem>(m_list->takeItem(row));
}

void RobotUsersDialog::removeAll()
{
    m_form.removeAll();
    m_list->clear();
}

void RobotUsersDialog::done(int result)
{
    // Close, Esc and the window's close button all store the list.
    if (!m_closed) {
        m_closed = true;
        Q_EMIT usersClosed(m_form.close().menuChecked);
    }
    QDialog::done(result);
}

} // namespace verbalink
