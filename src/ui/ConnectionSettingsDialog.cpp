#include "ui/ConnectionSettingsDialog.h"

#include "translate/net/ConnectionSettingsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace verbalink {

ConnectionSettingsDialog::ConnectionSettingsDialog(ConnectionSettingsForm& form,
                                                   const ProxySettings& stored, QWidget* parent)
    : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("Connection Settings"));
    buildControls();
    m_form.open(stored);
    showForm();
}

void ConnectionSettingsDialog::buildControls()
{
    m_useProxy = new QCheckBox(QStringLiteral("Use a proxy server"), this);
    m_type = new QComboBox(this);
    m_type->addItems({QStringLiteral("HTTP"), QStringLiteral("SOCKS5"), QStringLiteral("SOCKS4")});
    m_address = new QLineEdit(this);
    m_port = new QLineEdit(this);
    m_port->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_port));
    m_userName = new QLineEdit(this);
    m_password = new QLineEdit(this); // shown in clear, as it is stored
    m_autoDetect = new QPushButton(QStringLiteral("Auto-Detect"), this);
    m_save = new QPushButton(QStringLiteral("Save"), this);
    m_save->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);

    auto* group = new QGroupBox(QStringLiteral("Proxy Server"), this);
    auto* fields = new QGridLayout(group);
    fields->addWidget(m_useProxy, 0, 0, 1, 4);
    fields->addWidget(new QLabel(QStringLiteral("Address:"), group), 1, 0);
    fields->addWidget(m_address, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Port:"), group), 1, 2);
    fields->addWidget(m_port, 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("Username:"), group), 2, 0);
    fields->addWidget(m_userName, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("Type:"), group), 2, 2);
    fields->addWidget(m_type, 2, 3);
    fields->addWidget(new QLabel(QStringLiteral("Password:"), group), 3, 0);
    fields->addWidget(m_password, 3, 1);
    auto* detect = new QHBoxLayout;
    detect->addWidget(m_autoDetect);
    detect->addWidget(new QLabel(QStringLiteral("- try to detect your proxy settings"), group));
    detect->addStretch();
    fields->addLayout(detect, 4, 0, 1, 4);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_useProxy, &QCheckBox::toggled, this, [this](bool checked) {
        m_form.setUseProxy(checked);
        updateEnabledFields();
    });
    connect(m_autoDetect, &QPushButton::clicked, this, &ConnectionSettingsDialog::autoDetect);
    connect(m_save, &QPushButton::clicked, this, &ConnectionSettingsDialog::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ConnectionSettingsDialog::showForm()
{
    m_useProxy->setChecked(m_form.useProxy());
    m_type->setCurrentIndex(m_form.typeIndex());
    m_address->setText(m_form.address());
    m_port->setText(m_form.port());
    m_userName->setText(m_form.userName());
    m_password->setText(m_form.password());
    updateEnabledFields();
}

void ConnectionSettingsDialog::copyFieldsToForm()
{
    m_form.setUseProxy(m_useProxy->isChecked());
    m_form.setTypeIndex(m_type->currentIndex());
    m_form.setAddress(m_address->text());
    m_form.setPort(m_port->text());
    m_form.setUserName(m_userName->text());
    m_form.setPassword(m_password->text());
}

void ConnectionSettingsDialog::updateEnabledFields()
{
    const bool enabled = m_form.fieldsEnabled();
    for (QWidget* field : {static_cast<QWidget*>(m_address), static_cast<QWidget*>(m_port),
                           static_cast<QWidget*>(m_userName), static_cast<QWidget*>(m_password),
                           static_cast<QWidget*>(m_type)})
        field->setEnabled(enabled);
}

void ConnectionSettingsDialog::autoDetect()
{
    copyFieldsToForm();
    m_form.autoDetect();
    showForm();
}

void ConnectionSettingsDialog::save()
{
    copyFieldsToForm();
    m_form.save();
    QDialog::done(ConnectionSettingsForm::Saved);
}

void ConnectionSettingsDialog::done(int result)
{
    // Esc, the window's close button and Cancel all end here without storing anything.
    if (result != ConnectionSettingsForm::Saved) {
        QDialog::done(m_form.cancel());
        return;
    }
    QDialog::done(result);
}

} // namespace verbalink
