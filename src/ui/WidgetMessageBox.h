#pragma once

#include "platform/MessageBoxPort.h"

#include <QObject>

namespace verbalink {

// Message boxes as QMessageBox windows without an owner. A caller on another thread blocks until
// the GUI thread has shown the box and the user has closed it.
class WidgetMessageBox final : public QObject, public MessageBoxPort {
    Q_OBJECT
public:
    explicit WidgetMessageBox(QObject* parent = nullptr);

    void showMessage(const QString& text, const QString& caption) override;
    bool askYesNo(const QString& text, const QString& caption) override;

private:
    template <typename F>
    auto onGuiThread(F f) -> decltype(f());
};

} // namespace verbalink
