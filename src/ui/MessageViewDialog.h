#pragma once

#include <QDialog>
#include <atomic>

class QListWidget;

namespace verbalink {

class MessageList;

// A non-modal view of one message list (the decrypted or the translated incoming messages):
// newest first, refreshed whenever the list changes while the view is open; Enter or a double
// click shows the selected line in a box of its own.
class MessageViewDialog final : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Decrypted, Translated };

    MessageViewDialog(MessageList& list, Kind kind, QWidget* parent = nullptr);

    // Shows the view filled from the list; does nothing more when it is open already.
    void openView();
    // Any thread.
    bool isOpen() const { return m_open; }

    // The box caption for a selected line.
    QString boxCaption() const;

    void reject() override;

Q_SIGNALS:
    void openChanged(bool open);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void refresh();
    void showSelected();
    void setOpen(bool open);

    MessageList& m_list;
    Kind m_kind;
    QListWidget* m_lines;
    std::atomic<bool> m_open{false};
};

} // namespace verbalink
