#include "ui/NotificationPopup.h"

#include "extras/PopupStack.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

namespace verbalink {

namespace {

constexpr int BoxMargin = 10;
constexpr int BoxBottomGap = 15;
constexpr int TextDrop = 2;
constexpr int FontPixels = 12;

void paintText(QPainter& painter, const PopupLayout& layout)
{
    const QRect box(QPoint(BoxMargin, layout.height - layout.textBoxHeight - BoxBottomGap),
                    QPoint(layout.width - BoxMargin, layout.height - BoxMargin));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    QFont font = painter.font();
    font.setPixelSize(FontPixels);
    painter.setFont(font);
    const QRect textArea = box.adjusted(BoxMargin, TextDrop, -BoxMargin, 0);
    painter.drawText(textArea, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, layout.text);
}

// The whole popup in one image: the picture or a light blue to white gradient, and the text box.
QImage paintPopup(const PopupLayout& layout, const QImage& picture)
{
    QImage image(layout.width, layout.height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture.isNull()) {
        painter.drawImage(image.rect(), picture);
    } else {
        QLinearGradient gradient(0, 0, 0, layout.height);
        gradient.setColorAt(0, QColor(0x00, 0xAF, 0xF0));
        gradient.setColorAt(1, Qt::white);
        painter.fillRect(image.rect(), gradient);
    }
    paintText(painter, layout);
    return image;
}

} // namespace

NotificationPopup::NotificationPopup(const PopupContent& content, const QImage& picture, int size,
                                     std::shared_ptr<PopupStack> stack, const Screen& screen)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_layout(layoutPopup(content.message, content.senderName, picture.size(), size)),
      m_image(paintPopup(m_layout, picture)), m_stack(std::move(stack)),
      m_screenHeight(screen.geometry.height()),
      m_animation(PopupMotion(screen.geometry, PanelPlace::find(screen.geometry, screen.available),
                              QSize(m_layout.width, m_layout.height)))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("notificationPopup"));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &NotificationPopup::showFrame);
}

NotificationPopup::~NotificationPopup()
{
    leaveStack();
}

void NotificationPopup::start()
{
    if (m_onStack)
        return;
    m_serial = m_stack->push(m_image.height(), m_screenHeight);
    m_onStack = true;
    setWindowOpacity(0);
    showFrame();
    show();
}

void NotificationPopup::showFrame()
{
    const std::optional<PopupAnimation::Frame> frame =
        m_animation.next(m_stack->offsetOf(m_serial).value_or(0));
    if (!frame) {
        leaveStack();
        hide();
        Q_EMIT finished();
        return;
    }
    if (geometry() != frame->geometry)
        setGeometry(frame->geometry);
    setWindowOpacity(frame->opacity);
    m_timer.start(frame->durationMs);
}

void NotificationPopup::leaveStack()
{
    if (m_onStack)
        m_stack->remove(m_serial, m_screenHeight);
    m_onStack = false;
}

void NotificationPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(rect(), m_image);
}

// Escape and a click close the window at once; its place on the stack is kept until the
// animation ends.
void NotificationPopup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void NotificationPopup::mousePressEvent(QMouseEvent*)
{
    hide();
}

} // namespace verbalink
