#include "ui/TranslationFilterDialog.h"

#include "translate/filter/TranslationFilterForm.h"
#include "ui/UserSettingsDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
    m_user->addItems(m_form.contactEntries());
    m_user->setCurrentIndex(m_user->count() > 0 ? 0 : -1);
    showLines();
}

void TranslationFilterDialog::buildControls()
{
    m_user = new QComboBox(this);
    m_user->setEditable(true);
    m_user->setInsertPolicy(QComboBox::NoInsert);
    m_user->lineEdit()->setMaxLength(int(TranslationFilterForm::MaxUserText));
    m_user->setMinimumContentsLength(24);
    m_list = new QListWidget(this);
    m_list->setMinimumWidth(320);
    m_add = new QPushButton(QStringLiteral("Add"), this);
    m_remove = new QPushButton(QStringLiteral("Remove"), this);
    m_removeAll = new QPushButton(QStringLiteral("Remove All"), this);
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setDefault(true);

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("User:"), this), 0, 0);
    top->addWidget(m_user, 0, 1);
    top->addWidget(m_add, 0, 2);
    top->addWidget(new QLabel(QStringLiteral("Set active translation language for user"), this), 1,
                   0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_remove);
    buttons->addWidget(m_removeAll);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list);
    layout->addWidget(new QLabel(QStringLiteral("Double click to edit user settings"), this));
    layout->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, &TranslationFilterDialog::add);
    connect(m_remove, &QPushButton::clicked, this, &TranslationFilterDialog::remove);
    connect(m_removeAll, &QPushButton::clicked, this, &TranslationFilterDialog::removeAll);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TranslationFilterDialog::editLine);
}

void TranslationFilterDialog::showLines()
{
    const qsizetype row = selectedRow();
    m_list->clear();
    m_list->addItems(m_form.lines());
    if (row >= 0 && row < m_list->count())
        m_list->setCurrentRow(int(row));
}

qsizetype TranslationFilterDialog::selectedRow() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

void TranslationFilterDialog::add()
{
    if (m_form.add(m_user->currentText()))
        showLines();
}

void TranslationFilterDialog::remove()
{
    if (m_form.remove(selectedRow())) {
        m_list->clearSelection();
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
    const qsizetype row = selectedRow();
    std::optional<TranslationRuleEditForm> edit = m_form.beginEdit(row);
    if (!edit)
        return;
    UserSettingsDialog settings(*edit, this);
    settings.exec();
    if (m_form.finishEdit(row, *edit)) {
        m_list->clearSelection();
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
