#include "ui/RobotUsersDialog.h"

#include "extras/RobotUsersForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
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
    m_controls.showContacts(m_form.contactEntries());
    m_controls.list->addItems(m_form.lines());
}

void RobotUsersDialog::buildControls()
{
    m_controls = ContactListControls::create(*this, RobotUsersForm::MaxUserText);
    auto* top = new QHBoxLayout;
    top->addWidget(m_controls.user, 1);
    top->addWidget(m_controls.add);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_controls.remove);
    buttons->addWidget(m_controls.removeAll);
    buttons->addStretch();
    buttons->addWidget(m_controls.close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("List of all users put in A.I. talk mode"), this));
    layout->addWidget(m_controls.list);
    layout->addLayout(buttons);

    connect(m_controls.add, &QPushButton::clicked, this, &RobotUsersDialog::add);
    connect(m_controls.remove, &QPushButton::clicked, this, &RobotUsersDialog::remove);
    connect(m_controls.removeAll, &QPushButton::clicked, this, &RobotUsersDialog::removeAll);
    connect(m_controls.close, &QPushButton::clicked, this, &QDialog::accept);
}

void RobotUsersDialog::add()
{
    if (const std::optional<QString> line = m_form.add(m_controls.user->currentText()))
        m_controls.list->addItem(*line);
}

void RobotUsersDialog::remove()
{
    const qsizetype row = m_controls.selectedRow();
    if (m_form.remove(row))
        std::unique_ptr<QListWidgetItem>(m_controls.list->takeItem(int(row)));
}

void RobotUsersDialog::removeAll()
{
    m_form.removeAll();
    m_controls.list->clear();
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
