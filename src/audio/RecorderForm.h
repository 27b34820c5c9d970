#pragma once

#include <QString>

namespace verbalink {

class CallAudio;
class CallState;
class MessageBoxPort;
class RegistryStore;
class ShellPort;

// What the "Voice Call Recorder" dialog does, without the widgets: the call and recording lines
// it refreshes every second, the start/stop button, deleting and showing the recordings, and
// Done storing CallAutoRecord and CallStereoRecord.
class RecorderForm {
public:
    struct Links {
        CallAudio& audio;
        const CallState& call;
        RegistryStore& registry;
        MessageBoxPort& boxes;
        ShellPort& shell;
    };
    struct Options {
        bool autoRecord = false;
        bool stereo = false;
    };
    struct View {
        QString call;
        QString recording;
        QString button;
        bool buttonEnabled = false;
    };

    static constexpr int Command = 33184;

    explicit RecorderForm(Links links) : m_links(links) {}

    Options open() const;
    View view() const;
    // Starts or stops recording the current call; false without one.
    bool pressRecord();
    // After the question (interface string 50) is answered Yes, every recording is deleted but
    // the one being written; returns how many went.
    int deleteAllRecords(const QString& question);
    bool showRecordedCalls();
    // Applies both options and stores them; false when a value could not be written.
    bool done(const Options& options);

    // "7 second(s)", "05:07", "75:00".
    static QString duration(int seconds);

private:
    Links m_links;
};

} // namespace verbalink
