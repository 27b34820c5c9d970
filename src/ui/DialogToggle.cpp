#include "ui/DialogToggle.h"

namespace verbalink {

DialogToggle::~DialogToggle()
{
    delete m_dialog.data();
}

void DialogToggle::close()
{
    if (m_dialog)
        m_dialog->close();
}

bool DialogToggle::toggle(const std::function<QWidget*()>& make)
{
    if (m_dialog) {
        m_dialog->close();
        return false;
    }
    QWidget* dialog = make();
    if (!dialog)
        return false;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog = dialog;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return true;
}

} // namespace verbalink
