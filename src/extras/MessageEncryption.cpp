#include "extras/MessageEncryption.h"

namespace verbalink {

MessageEncryption::MessageEncryption(bool popupOn, Ports ports, QObject* parent)
    : QObject(parent), m_ports(std::move(ports)), m_popup(popupOn)
{}

bool MessageEncryption::handleCommand(int command)
{
    switch (command) {
    case CommandId::EnableEncryption:
        m_enabled = !m_enabled;
        check(CommandId::EnableEncryption, m_enabled);
        return true;
    case CommandId::ViewDecrypted:
        if (m_ports.openView && !(m_ports.isViewOpen && m_ports.isViewOpen()))
            m_ports.openView();
        return true;
    case CommandId::DecryptedAutoPopup:
        m_popup = !m_popup;
        if (m_ports.writePopup)
            m_ports.writePopup(m_popup);
        check(CommandId::DecryptedAutoPopup, m_popup);
        return true;
    default:
        return false;
    }
}

void MessageEncryption::messageListed()
{
    if (m_ports.isViewOpen && m_ports.isViewOpen())
        return;
    if (m_popup)
        Q_EMIT viewRequested();
}

void MessageEncryption::check(int command, bool checked)
{
    if (m_ports.setChecked)
        m_ports.setChecked(command, checked);
}

} // namespace verbalink
