#include "AccountDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

namespace {

QLabel* note(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

AccountDialog::AccountDialog(const XmppAccount& known, bool secretStoreRuns, QWidget* parent)
    : QDialog(parent), m_known(known), m_jid(new QLineEdit(known.jid, this)),
      m_password(new QLineEdit(this)), m_server(new QLineEdit(known.server, this)),
      m_plain(new QCheckBox(u"Without TLS (only for a server on this computer)"_s, this)),
      m_problem(note({}, u"problem"_s, this))
{
    setWindowTitle(u"XMPP account"_s);
    m_jid->setObjectName(u"jid"_s);
    m_jid->setPlaceholderText(u"name@example.org"_s);
    m_password->setObjectName(u"password"_s);
    m_password->setEchoMode(QLineEdit::Password);
    m_server->setObjectName(u"server"_s);
    m_server->setPlaceholderText(u"host:port \u2014 empty: found from the address"_s);
    m_plain->setObjectName(u"allowPlain"_s);
    m_plain->setChecked(known.allowPlain);
    m_problem->setStyleSheet(u"color: #b3261e"_s);
    m_problem->hide();

    auto* form = new QFormLayout;
    form->addRow(u"Address (JID):"_s, m_jid);
    form->addRow(u"Password:"_s, m_password);
    form->addRow(u"Server:"_s, m_server);
    form->addRow(QString(), m_plain);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(u"Connect"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &AccountDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AccountDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        note(u"Verbalink's chat client signs in to your XMPP account."_s, u"intro"_s, this));
    layout->addLayout(form);
    layout->addWidget(note(secretStoreRuns
                               ? u"The password is kept in the desktop's secret store."_s
                               : u"No secret store is running, so the password cannot be kept: "
                                 u"it is used for this session and asked for again at the next "
                                 u"start."_s,
                           u"storeNote"_s, this));
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    if (!known.jid.isEmpty())
        m_password->setFocus();
}

XmppAccount AccountDialog::account() const
{
    XmppAccount account = m_known;
    const QString jid = m_jid->text().trimmed();
    // Another account keeps nothing of the one known before.
    if (jid != m_known.jid)
        account = XmppAccount{};
    account.jid = jid;
    account.server = m_server->text().trimmed();
    account.allowPlain = m_plain->isChecked();
    return account;
}

QString AccountDialog::password() const
{
    return m_password->text();
}

QString AccountDialog::problem() const
{
    if (const QString wrong = account().problem(); !wrong.isEmpty())
        return wrong;
    if (m_password->text().isEmpty())
        return u"no password given"_s;
    return {};
}

void AccountDialog::accept()
{
    const QString wrong = problem();
    if (wrong.isEmpty()) {
        QDialog::accept();
        return;
    }
    m_problem->setText(u"This cannot be used: "_s + wrong + u'.');
    m_problem->show();
}

} // namespace verbalink::xmpp
