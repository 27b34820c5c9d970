#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace verbalink {

class ConnectionSettingsForm;
struct ProxySettings;

// The "Connection Settings" window: shows the form's fields and forwards every click to it.
// exec() gives 1 after Save and 2 after Cancel or Esc.
class ConnectionSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    ConnectionSettingsDialog(ConnectionSettingsForm& form, const ProxySettings& stored,
                             QWidget* parent = nullptr);

    void done(int result) override;

private:
    void buildControls();
    void showForm();
    void copyFieldsToForm();
    void updateEnabledFields();
    void autoDetect();
    void save();

    ConnectionSettingsForm& m_form;
    QCheckBox* m_useProxy = nullptr;
    QComboBox* m_type = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_userName = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_autoDetect = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace verbalink
