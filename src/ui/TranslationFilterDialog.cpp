#include "ui/TranslationFilterDialog.h"

#include "translate/filter/TranslationFilterForm.h"
#include "ui/UserSettingsDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace verbalink {

TranslationFilterDialog::TranslationFilterDialog(TranslationFilterForm& form,
                                                 const QStringList& contactEntries, QWidget* parent)
    : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("Verbalink User Translation Filter"));
    buildControls();
    m_form.open(contactEntries);
    m_controls.showContacts(m_form.contactEntries());
    showLines();
}

void TranslationFilterDialog::buildControls()
{
    m_controls = ContactListControls::create(*this, TranslationFilterForm::MaxUserText);

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("User:"), this), 0, 0);
    top->addWidget(m_controls.user, 0, 1);
    top->addWidget(m_controls.add, 0, 2);
    top->addWidget(new QLabel(QStringLiteral("Set active translation language for user"), this), 1,
                   0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_controls.remove);
    buttons->addWidget(m_controls.removeAll);
    buttons->addStretch();
    buttons->addWidget(m_controls.close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_controls.list);
    layout->addWidget(new QLabel(QStringLiteral("Double click to edit user settings"), this));
    layout->addLayout(buttons);

    connect(m_controls.add, &QPushButton::clicked, this, &TranslationFilterDialog::add);
    connect(m_controls.remove, &QPushButton::clicked, this, &TranslationFilterDialog::remove);
    connect(m_controls.removeAll, &QPushButton::clicked, this, &TranslationFilterDialog::removeAll);
    connect(m_controls.close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_controls.list, &QListWidget::itemDoubleClicked, this,
            &TranslationFilterDialog::editLine);
}

void TranslationFilterDialog::showLines()
{
    const qsizetype row = m_controls.selectedRow();
    m_controls.list->clear();
    m_controls.list->addItems(m_form.lines());
    if (row >= 0 && row < m_controls.list->count())
        m_controls.list->setCurrentRow(int(row));
}

void TranslationFilterDialog::add()
{
    if (m_form.add(m_controls.user->currentText()))
        showLines();
}

void TranslationFilterDialog::remove()
{
    if (m_form.remove(m_controls.selectedRow())) {
        m_controls.list->clearSelection();
        showLines();
    }
}

void TranslationFilterDialog::removeAll()
{
    m_form.removeAll();
    showLines();
}

void TranslationFilterDialog::editLine()
{
    const qsizetype row = m_controls.selectedRow();
    std::optional<TranslationRuleEditForm> edit = m_form.beginEdit(row);
    if (!edit)
        return;
    UserSettingsDialog settings(*edit, this);
    settings.exec();
    if (m_form.finishEdit(row, *edit)) {
        m_controls.list->clearSelection();
        showLines();
    }
}

void TranslationFilterDialog::done(int result)
{
    // Close, Esc and the window's close button all store the rules.
    if (!m_closed) {
        m_closed = true;
        Q_EMIT filterClosed(m_form.close().menuChecked);
    }
    QDialog::done(result);
}

} // namespace verbalink
