#include "ui/UserSettingsDialog.h"

#include "translate/filter/TranslationRuleEditForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace verbalink {

UserSettingsDialog::UserSettingsDialog(TranslationRuleEditForm& form, QWidget* parent)
    : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("Verbalink: User settings"));
    m_user = new QLabel(m_form.userText(), this);
    m_user->setTextFormat(Qt::PlainText);
    m_language = new QComboBox(this);
    m_language->addItems(TranslationRuleEditForm::languageNames());
    m_language->setCurrentIndex(int(m_form.selectedIndex()));
    m_apply = new QPushButton(QStringLiteral("Apply"), this);
    m_apply->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_apply);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_user);
    layout->addWidget(m_language);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_language, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_form.select(index); });
    connect(m_apply, &QPushButton::clicked, this, [this] { done(m_form.apply()); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void UserSettingsDialog::done(int result)
{
    // Esc and the window's close button end like Cancel.
    if (result != TranslationRuleEditForm::Applied)
        result = m_form.cancel();
    QDialog::done(result);
}

} // namespace verbalink
