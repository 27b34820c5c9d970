#include "program/CallAudioFeature.h"

#include "app/Settings.h"
#include "app/menu/MenuModel.h"
#include "skype/SkypeConnection.h"
#include "ui/RecorderDialog.h"

#include <QFileDialog>

namespace verbalink {

namespace {

// "This operation will delete all your voice call records! ..."
constexpr int DeleteRecordsSlot = 50;

} // namespace

CallAudioFeature::CallAudioFeature(Links links, CallAudio::Ports ports)
    : m_links(std::move(links)),
      m_audio({m_links.link.call(), m_links.clock,
               [this](const QByteArray& command) {
                   m_links.link.sendCommand(command, m_links.link.call().snapshot().window);
               },
               m_links.log},
              ports),
      m_form({m_audio, m_links.link.call(), m_links.registry, m_links.boxes, m_links.shell}),
      m_voiceMenu({m_links.menu, m_links.registry, m_audio, m_links.interfaceText,
                   [this](const QString& folder) { return chooseMusicFile(folder); },
                   m_links.voiceChosen}),
      m_opener(m_links.link)
{
    connect(&m_opener, &ContactDialogOpener::opened, this,
            [this](QWidget* dialog) { Q_EMIT opened(dialog->windowTitle()); });
}

CallAudioFeature::~CallAudioFeature()
{
    SkypeHandlers& handlers = m_links.link.handlers();
    handlers.isCallAutoRecordOn.set({});
    handlers.isCallVoiceChanged.set({});
    handlers.onRedirectCallCapture.set({});
    handlers.onRedirectCallInput.set({});
    handlers.onCallFinished.set({});
    m_opener.join();
    m_dialog.close();
    m_audio.stop();
}

bool CallAudioFeature::start(const QString& documentsFolder, const Settings& settings)
{
    m_audio.setAutoRecord(settings.callAutoRecord != 0);
    m_audio.setStereo(settings.callStereoRecord != 0);
    m_voiceMenu.restore(settings);
    if (!m_audio.start(documentsFolder))
        return false;
    connectCallEvents();
    return true;
}

void CallAudioFeature::connectCallEvents()
{
    SkypeHandlers& handlers = m_links.link.handlers();
    handlers.isCallAutoRecordOn.set([this] { return m_audio.autoRecord(); });
    handlers.isCallVoiceChanged.set([this] { return m_audio.voiceControls().changesVoice(); });
    handlers.onRedirectCallCapture.set([this](const QString& callId, const SkypeEndpoint&) {
        m_audio.routeCapture(callId, true);
    });
    handlers.onRedirectCallInput.set(
        [this](const QString& callId, const SkypeEndpoint&) { m_audio.routeInput(callId); });
    handlers.onCallFinished.set([this](const QString&) { m_audio.callFinished(); });
}

bool CallAudioFeature::handleCommand(int commandId)
{
    if (commandId == RecorderForm::Command) {
        toggleRecorderDialog();
        return true;
    }
    return m_voiceMenu.handleCommand(commandId);
}

std::optional<QString> CallAudioFeature::chooseMusicFile(const QString& folder)
{
    const QString title = QStringLiteral("Browse Audio File");
    Q_EMIT opened(title);
    const QString path = QFileDialog::getOpenFileName(
        nullptr, title, folder,
        QStringLiteral("Music files (*.mp3 *.ogg *.aac *.wav *.wma);;All files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void CallAudioFeature::toggleRecorderDialog()
{
    m_opener.toggle(m_dialog, [this](const QStringList&) {
        auto* dialog = new RecorderDialog(m_form, m_links.interfaceText(DeleteRecordsSlot));
        connect(dialog, &RecorderDialog::stored, this, [this](bool autoRecord) {
            m_links.menu.setChecked(RecorderForm::Command, autoRecord);
        });
        return dialog;
    });
}

} // namespace verbalink
