#pragma once

#include <QString>

namespace verbalink::sim {

// One line of a simulator script, parsed.
struct SimDirective {
    enum class Kind {
        Nothing, // blank line or # comment
        Notify,  // text: a raw line for the attached client
        Accept,
        Refuse,
        Offline,
        Pending,      // ms: delay of the NAME answer (0 answers at once)
        SilentPing,   // on
        Errors,       // on: every command is answered with an error
        BusError,     // the next command is answered with an error of the bus, not a line
        Stall,        // ms: at the next command the client stops answering this long
        Handle,       // text: own handle
        Language,     // text: UI language code
        User,         // text: handle, language: code (empty: unknown), fullName
        Avatar,       // text: handle, on: the client has a picture of the user
        Type,         // text: partner, body: what the user types to them
        Receive,      // text: author, body: what they write to the user
        TypeGroup,    // body: what the user types in the group chat
        ReceiveGroup, // text: author, body: what they write in the group chat
        Call,         // call: id, text: partner, micFile, outputFile (empty: no audio)
        CallEnd,      // text: id
        CallInput,    // text: the file that receives what input connections bring
        Sleep,        // ms
        WaitAttach,   // hold the lines after it until a client is attached
        Vanish,
        Quit,
    };

    Kind kind = Kind::Nothing;
    QString text;
    QString language;
    QString fullName;
    QString body;
    QString call;
    QString micFile;
    QString outputFile;
    int ms = 0;
    bool on = false;
};

// The outcome of parsing a line: a directive, or an error that says what is wrong with it.
struct ParsedDirective {
    SimDirective directive;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Parses "notify CHATMESSAGE 1 STATUS RECEIVED", "pending 1500", "silent-ping on", ...
class SimDirectiveParser {
public:
    // The longest delay a directive may ask for.
    static constexpr int MaxDelayMs = 3600 * 1000;

    static ParsedDirective parse(const QString& line);
};

} // namespace verbalink::sim
