#include "ui/PointerFeedback.h"

#include <QCursor>
#include <QLabel>

namespace verbalink {

PointerFeedback::PointerFeedback() : m_label(std::make_unique<QLabel>())
{
    // A tooltip window: no frame, no focus, above the others, never in the task bar.
    m_label->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_label->setAttribute(Qt::WA_ShowWithoutActivating);
    m_label->setMargin(4);
    m_label->setStyleSheet(
        QStringLiteral("QLabel { background: palette(tooltip-base); color: palette(tooltip-text);"
                       " border: 1px solid palette(mid); }"));
    m_hide.setSingleShot(true);
    m_hide.setInterval(1000);
    QObject::connect(&m_hide, &QTimer::timeout, m_label.get(), &QLabel::hide);
}

PointerFeedback::~PointerFeedback() = default;

void PointerFeedback::showFeedback(const QString& text)
{
    m_label->setText(text);
    m_label->adjustSize();
    m_label->move(QCursor::pos() + QPoint(12, 16));
    m_label->show();
    m_hide.start();
}

QString PointerFeedback::visibleText() const
{
    return m_label->isVisible() ? m_label->text() : QString();
}

} // namespace verbalink
