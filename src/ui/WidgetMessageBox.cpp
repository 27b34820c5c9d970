#include "ui/WidgetMessageBox.h"

#include <QMessageBox>
#include <QThread>

namespace verbalink {

WidgetMessageBox::WidgetMessageBox(QObject* parent) : QObject(parent) {}

template <typename F>
auto WidgetMessageBox::onGuiThread(F f) -> decltype(f())
{
    if (QThread::currentThread() == thread())
        return f();
    decltype(f()) result{};
    QMetaObject::invokeMethod(
        this, [&] { result = f(); }, Qt::BlockingQueuedConnection);
    return result;
}

void WidgetMessageBox::showMessage(const QString& text, const QString& caption)
{
    onGuiThread([&] {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
        box.exec();
        return true;
    });
}

bool WidgetMessageBox::askYesNo(const QString& text, const QString& caption)
{
    return onGuiThread([&] {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    });
}

} // namespace verbalink
