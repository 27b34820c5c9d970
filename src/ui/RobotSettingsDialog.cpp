#include "ui/RobotSettingsDialog.h"

#include "extras/RobotSettingsForm.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace verbalink {

namespace {

constexpr int SavedResult = 1;
constexpr int CancelledResult = 2;

} // namespace

RobotSettingsDialog::RobotSettingsDialog(RobotSettingsForm& form, QWidget* parent)
    : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("A.I. Talk Robot Settings"));
    buildControls();
    const RobotSettingsForm::Fields fields = m_form.open();
    m_robotId->setText(fields.robotId);
    m_translate->setChecked(fields.translateAnswer);
    m_delay->setChecked(fields.delayAnswer);
}

void RobotSettingsDialog::buildControls()
{
    auto* about = new QLabel(QStringLiteral("Create your own robot at the robot service's web site "
                                            "and enter its robot ID here."),
                             this);
    about->setWordWrap(true);
    m_robotId = new QLineEdit(this);
    m_robotId->setMaxLength(255);
    m_translate = new QCheckBox(QStringLiteral("Translate answer to detected language"), this);
    m_delay =
        new QCheckBox(QStringLiteral("Delay answer with random period ( 5-10 seconds )"), this);
    auto* reset = new QPushButton(QStringLiteral("Reset Default"), this);
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    save->setDefault(true);

    auto* idRow = new QHBoxLayout;
    idRow->addWidget(new QLabel(QStringLiteral("Robot ID:"), this));
    idRow->addWidget(m_robotId, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(idRow);
    layout->addWidget(m_translate);
    layout->addWidget(m_delay);
    layout->addLayout(buttons);

    connect(reset, &QPushButton::clicked, this, &RobotSettingsDialog::resetDefault);
    connect(save, &QPushButton::clicked, this, &RobotSettingsDialog::save);
    connect(cancel, &QPushButton::clicked, this, [this] { done(CancelledResult); });
}

void RobotSettingsDialog::resetDefault()
{
    const RobotSettingsForm::Fields fields = RobotSettingsForm::defaults();
    m_robotId->setText(fields.robotId);
    m_translate->setChecked(fields.translateAnswer);
    m_delay->setChecked(fields.delayAnswer);
}

void RobotSettingsDialog::save()
{
    m_form.save({m_robotId->text(), m_translate->isChecked(), m_delay->isChecked()});
    m_saved = true;
    done(SavedResult);
}

void RobotSettingsDialog::done(int result)
{
    // Esc and the window's close button cancel.
    if (!m_saved) {
        m_form.cancel();
        result = CancelledResult;
    }
    QDialog::done(result);
}

} // namespace verbalink
