#include "ui/WidgetMessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QSemaphore>
#include <QThread>
#include <memory>

namespace verbalink {

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

void WidgetMessageBox::showMessage(const QString& text, const QString& caption)
{
    onGuiThread([text, caption] {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
        box.exec();
        return true;
    });
}

bool WidgetMessageBox::askYesNo(const QString& text, const QString& caption)
{
    return onGuiThread([text, caption] {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    });
}

} // namespace verbalink
