#pragma once

#include "XmppAccount.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace verbalink::xmpp {

// The first start's question for the account: the JID, the password and, optionally, the
// server as host:port. It says whether the password will be kept in the desktop's secret store
// or, with none running, asked for again at the next start; what cannot be used is said in the
// dialog, which stays open until the entry can be.
class AccountDialog : public QDialog {
    Q_OBJECT

public:
    // `known` fills the fields (a JID given on the command line or stored before).
    AccountDialog(const XmppAccount& known, bool secretStoreRuns, QWidget* parent = nullptr);

    XmppAccount account() const;
    QString password() const;
    // What is wrong with the entry as it stands; empty when it can be used.
    QString problem() const;

    void accept() override;

private:
    XmppAccount m_known;
    QLineEdit* m_jid;
    QLineEdit* m_password;
    QLineEdit* m_server;
    QCheckBox* m_plain;
    QLabel* m_problem;
};

} // namespace verbalink::xmpp
