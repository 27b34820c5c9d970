#pragma once

#include "platform/MessageBoxPort.h"

#include <QObject>
#include <atomic>
#include <functional>

namespace verbalink {

// Message boxes as QMessageBox windows without an owner. A caller on another thread waits until
// the GUI thread has shown the box and the user has closed it, or until the program is ending
// (then a question counts as "No"), so a worker never hangs the shutdown.
class WidgetMessageBox final : public QObject, public MessageBoxPort {
    Q_OBJECT
public:
    explicit WidgetMessageBox(QObject* parent = nullptr);

    void showMessage(const QString& text, const QString& caption, Icon icon) override;
    bool askYesNo(const QString& text, const QString& caption, Icon icon) override;

private:
    bool onGuiThread(std::function<bool()> box);

    std::atomic<bool> m_closing{false};
};

} // namespace verbalink
