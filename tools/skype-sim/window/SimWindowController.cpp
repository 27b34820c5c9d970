#include "SimWindowController.h"

#include "ApiBusService.h"
#include "ChatMessageModel.h"
#include "ChatRosterModel.h"
#include "ChatStatusLine.h"
#include "ChatWindow.h"
#include "SimScriptRunner.h"
#include "SkypeSimulator.h"

#include <QFile>
#include <QPointer>

using namespace Qt::StringLiterals;
using verbalink::desktopapi::ChatMessageModel;
using verbalink::desktopapi::ChatRosterModel;
using verbalink::desktopapi::ChatStatusLine;
using verbalink::desktopapi::ChatWindow;

namespace verbalink::sim {

SimWindowController::SimWindowController(SkypeSimulator& simulator,
                                         desktopapi::ApiBusService& service,
                                         SimScriptRunner& runner, QObject* parent)
    : QObject(parent), m_simulator(simulator), m_runner(runner),
      m_messages(std::make_unique<ChatMessageModel>(simulator.api())),
      m_roster(std::make_unique<ChatRosterModel>(simulator.api(), *m_messages)),
      m_window(std::make_unique<ChatWindow>(*m_roster, *m_messages))
{
    // The simulator may outlive the window.
    simulator.chats().addListener(
        [model = QPointer<ChatMessageModel>(m_messages.get())](
            desktopapi::ApiMessageChange change, const desktopapi::ApiChatMessage& message) {
            if (model)
                model->record(change, message);
        });
    connect(m_window.get(), &ChatWindow::userTyped, this, &SimWindowController::userTyped);
    connect(m_window.get(), &ChatWindow::contactWrote, this, &SimWindowController::contactWrote);
    connect(m_window.get(), &ChatWindow::callClicked, this, &SimWindowController::callClicked);
    connect(&runner, &SimScriptRunner::simulatorChanged, this,
            &SimWindowController::simulatorChanged);

    ChatStatusLine* status = m_window->statusLine();
    connect(&service, &desktopapi::ApiBusService::commandReceived, status,
            &ChatStatusLine::setLastCommand);
    connect(&service, &desktopapi::ApiBusService::clientAttached, status,
            [this, status](const QString& client) {
                status->setAttached(m_simulator.state().attachedApp, client);
            });
    connect(&service, &desktopapi::ApiBusService::clientDetached, status,
            &ChatStatusLine::setDetached);
    simulatorChanged();
}

SimWindowController::~SimWindowController() = default;

void SimWindowController::show()
{
    m_window->show();
}

QStringList SimWindowController::demoRoster()
{
    QFile file(u":/skype-sim/demo-roster.sim"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

// The window's typing as the directive a script would give; a group chat has no partner.
void SimWindowController::perform(SimDirective::Kind kind, const QString& handle,
                                  const QString& text)
{
    SimDirective directive;
    directive.kind = kind;
    directive.text = handle;
    directive.body = text;
    m_runner.perform(directive);
}

void SimWindowController::userTyped(const QString& conversation, const QString& text)
{
    using Kind = SimDirective::Kind;
    perform(conversation.isEmpty() ? Kind::TypeGroup : Kind::Type, conversation, text);
}

void SimWindowController::contactWrote(const QString& conversation, const QString& author,
                                       const QString& text)
{
    using Kind = SimDirective::Kind;
    perform(conversation.isEmpty() ? Kind::ReceiveGroup : Kind::Receive, author, text);
}

void SimWindowController::simulatorChanged()
{
    m_roster->refresh();
    const QString own = m_simulator.state().ownHandle;
    m_window->setOwnHandle(own, m_simulator.picture(own));
    m_window->setInCall(m_simulator.calls().partnersInProgress());
}

// A call from the window carries no audio.
void SimWindowController::callClicked(const QString& contact)
{
    const QString current = m_simulator.calls().inProgressWith(contact);
    SimDirective directive;
    if (current.isEmpty()) {
        directive.kind = SimDirective::Kind::Call;
        directive.call = nextCallId();
        directive.text = contact;
    } else {
        directive.kind = SimDirective::Kind::CallEnd;
        directive.text = current;
    }
    m_runner.perform(directive);
}

// Counting up from 1, past any a script's call in progress holds.
QString SimWindowController::nextCallId()
{
    for (;;) {
        const QString id = QString::number(++m_lastCallId);
        const SimCall* call = m_simulator.calls().find(id);
        if (!call || !call->inProgress)
            return id;
    }
}

} // namespace verbalink::sim
