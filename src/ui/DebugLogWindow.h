#pragma once

#include <QWidget>

namespace verbalink {

class DebugLog;

// Shows the debug log: green text on black, redrawn whenever the log changes. It follows the
// log's visible flag; closing the window only hides it.
class DebugLogWindow final : public QWidget {
    Q_OBJECT
public:
    // The log must outlive the window.
    explicit DebugLogWindow(DebugLog& log, QWidget* parent = nullptr);

    // Where the text is drawn, in window coordinates.
    static QRect textArea();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onVisibilityChanged(bool visible);

    DebugLog& m_log;
};

} // namespace verbalink
