#pragma once

#include <QMutex>
#include <QObject>
#include <QString>

namespace verbalink {

// The debug log's text: the Skype traffic and translation steps, kept only while the log is
// shown and started afresh once a page is full. logLine() may be called from any thread;
// changed() then arrives queued at receivers on the GUI thread.
class DebugLog final : public QObject {
    Q_OBJECT
public:
    // Lines on one page; the line after them empties the text first.
    static constexpr int PageLines = 20;

    explicit DebugLog(QObject* parent = nullptr);

    // Appends one line while the log is visible; drops it while hidden.
    void logLine(const QString& text);

    QString text() const;
    int lineCount() const;
    bool isVisible() const;
    // Shows or hides the log; the text is kept across hiding.
    void setVisible(bool visible);
    // Returns the new visibility.
    bool toggleVisible();

Q_SIGNALS:
    void changed();
    void visibilityChanged(bool visible);

private:
    mutable QMutex m_mutex;
    QString m_text;
    int m_lines = 0;
    bool m_visible = false;
};

} // namespace verbalink
