#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace verbalink {

class TranslationRuleEditForm;

// The "User settings" window: the contact's text and its language choice, forwarded to the
// form. exec() gives 1 after Apply and 2 after Cancel, Esc or the window's close button.
class UserSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    explicit UserSettingsDialog(TranslationRuleEditForm& form, QWidget* parent = nullptr);

    void done(int result) override;

private:
    TranslationRuleEditForm& m_form;
    QLabel* m_user = nullptr;
    QComboBox* m_language = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace verbalink
