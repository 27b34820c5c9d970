#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace verbalink {

class RobotSettingsForm;

// The "A.I. Talk Robot Settings" window: the robot id and the two answer options, forwarded to
// the form. exec() gives 1 after Save and 2 after Cancel or Esc.
class RobotSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    explicit RobotSettingsDialog(RobotSettingsForm& form, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void buildControls();
    void resetDefault();
    void save();

    RobotSettingsForm& m_form;
    QLineEdit* m_robotId = nullptr;
    QCheckBox* m_translate = nullptr;
    QCheckBox* m_delay = nullptr;
    bool m_saved = false;
};

} // namespace verbalink
