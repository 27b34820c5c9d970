#pragma once

#include <QListView>

namespace verbalink::desktopapi {

// The messages of one conversation as bubbles. It follows the newest message while it is
// scrolled to the bottom, and a replaced body gets the height it now needs.
class ChatView : public QListView {
    Q_OBJECT

public:
    explicit ChatView(QWidget* parent = nullptr);

    // Shows the newest message, as a conversation just put on screen does.
    void showNewest();

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool atBottom() const;
    // Lays the rows out again, then shows the newest when the view was following it.
    void relayout(bool follow);

    bool m_relayoutQueued = false;
    bool m_follow = true;
};

} // namespace verbalink::desktopapi
