#include "audio/RecorderForm.h"

#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "audio/CallAudio.h"
#include "audio/RecordingNames.h"
#include "platform/MessageBoxPort.h"
#include "platform/ShellPort.h"
#include "skype/CallState.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace verbalink {

RecorderForm::Options RecorderForm::open() const
{
    return {m_links.audio.autoRecord(), m_links.audio.stereo()};
}

RecorderForm::View RecorderForm::view() const
{
    const CallState::Snapshot call = m_links.call.snapshot();
    View view;
    view.call = call.inCall ? u"Voice call in progress ( " +
                                  recordingnames::sanitizedPartner(call.partnerName) + u" )"
                            : QStringLiteral("No active voice call detected.");
    const bool recording = m_links.audio.isRecording();
    view.recording = recording ? u"Record duration - " + duration(m_links.audio.elapsedSeconds())
                               : QStringLiteral("Recording stopped.");
    view.button = recording ? QStringLiteral("Stop recording") : QStringLiteral("Start recording");
    view.buttonEnabled = call.inCall;
    return view;
}

bool RecorderForm::pressRecord()
{
    return m_links.audio.toggleRecording();
}

int RecorderForm::deleteAllRecords(const QString& question)
{
    if (!m_links.boxes.askYesNo(question, QStringLiteral("Verbalink Voice Recorder")))
        return 0;
    QDir folder(m_links.audio.recordingsFolder());
    if (folder.path().isEmpty())
        return 0;
    QStringList keep;
    for (const QString& path : m_links.audio.unfinishedRecordings())
        keep.append(QFileInfo(path).absoluteFilePath());
    int deleted = 0;
    // Files that cannot be deleted are skipped, and so is the call being recorded.
    for (const QString& name : folder.entryList({QStringLiteral("*.wav")}, QDir::Files)) {
        if (!keep.contains(folder.absoluteFilePath(name)))
            deleted += folder.remove(name) ? 1 : 0;
    }
    return deleted;
}

bool RecorderForm::showRecordedCalls()
{
    const QString folder = m_links.audio.recordingsFolder();
    return !folder.isEmpty() && m_links.shell.openUrl(QUrl::fromLocalFile(folder));
}

bool RecorderForm::done(const Options& options)
{
    m_links.audio.setAutoRecord(options.autoRecord);
    m_links.audio.setStereo(options.stereo);
    const QString key = QString::fromUtf16(SettingsKeyPath);
    const bool autoStored =
        writeSetting(m_links.registry, key, QStringLiteral("CallAutoRecord"),
                     options.autoRecord ? QStringLiteral("1") : QStringLiteral("0"));
    const bool stereoStored =
        writeSetting(m_links.registry, key, QStringLiteral("CallStereoRecord"),
                     options.stereo ? QStringLiteral("1") : QStringLiteral("0"));
    return autoStored && stereoStored;
}

QString RecorderForm::duration(int seconds)
{
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    if (minutes == 0)
        return QString::number(rest) + u" second(s)";
    return QStringLiteral("%1:%2").arg(minutes, 2, 10, QChar(u'0')).arg(rest, 2, 10, QChar(u'0'));
}

} // namespace verbalink
