#include "ui/WidgetMessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QSemaphore>
#include <QThread>
#include <memory>

namespace verbalink {

namespace {

QMessageBox::Icon boxIcon(MessageBoxPort::Icon icon)
{
    switch (icon) {
    case MessageBoxPort::Icon::Information:
        return QMessageBox::Information;
    case MessageBoxPort::Icon::Question:
        return QMessageBox::Question;
    case MessageBoxPort::Icon::Error:
        return QMessageBox::Critical;
    case MessageBoxPort::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

WidgetMessageBox::WidgetMessageBox(QObject* parent) : QObject(parent)
{
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            [this] { m_closing = true; });
}

bool WidgetMessageBox::onGuiThread(std::function<bool()> box)
{
    if (QThread::currentThread() == thread())
        return box();
    struct Pending {
        QSemaphore done;
        std::atomic<bool> answer{false};
    };
    auto pending = std::make_shared<Pending>();
    QMetaObject::invokeMethod(
        this,
        [box = std::move(box), pending] {
            pending->answer = box();
            pending->done.release();
        },
        Qt::QueuedConnection);
    while (!pending->done.tryAcquire(1, 100)) {
        if (m_closing)
            return false;
    }
    return pending->answer;
}

void WidgetMessageBox::showMessage(const QString& text, const QString& caption, Icon icon)
{
    onGuiThread([text, caption, icon] {
        QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok);
        box.exec();
        return true;
    });
}

bool WidgetMessageBox::askYesNo(const QString& text, const QString& caption, Icon icon)
{
    return onGuiThread([text, caption, icon] {
        QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    });
}

} // namespace verbalink
