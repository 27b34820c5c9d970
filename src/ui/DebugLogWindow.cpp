#include "ui/DebugLogWindow.h"

#include "app/DebugLog.h"

#include <QCloseEvent>
#include <QPainter>

namespace verbalink {

DebugLogWindow::DebugLogWindow(DebugLog& log, QWidget* parent) : QWidget(parent), m_log(log)
{
    setWindowTitle(QStringLiteral("Verbalink for Skype"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(400, 128);
    // Queued when logLine() runs on a worker thread: painting stays on the GUI thread.
    connect(&m_log, &DebugLog::changed, this, qOverload<>(&QWidget::update));
    connect(&m_log, &DebugLog::visibilityChanged, this, &DebugLogWindow::onVisibilityChanged);
    if (m_log.isVisible())
        show();
}

QRect DebugLogWindow::textArea()
{
    return QRect(QPoint(5, 10), QPoint(639, 479));
}

void DebugLogWindow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QString text = m_log.text();
    if (text.isEmpty())
        return;
    painter.setPen(QColor(0, 255, 0));
    painter.drawText(textArea(), Qt::AlignLeft | Qt::AlignTop, text);
}

void DebugLogWindow::closeEvent(QCloseEvent* event)
{
    // Hiding through the log keeps the flag and the window in step.
    m_log.setVisible(false);
    event->accept();
}

void DebugLogWindow::onVisibilityChanged(bool visible)
{
    if (!visible) {
        hide();
        return;
    }
    show();
    raise();
    activateWindow();
}

} // namespace verbalink
