#pragma once

#include "extras/PopupAnimation.h"
#include "extras/PopupContentSource.h"
#include "extras/PopupLayout.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace verbalink {

class PopupStack;

// The popup of one received message: a frameless window above all others that grows out of the
// panel, stays a while and fades out, and never takes the keyboard focus. A click closes it, as
// does Escape where the desktop gives it the keyboard. It is drawn once; each frame only moves
// it and changes its opacity.
class NotificationPopup : public QWidget {
    Q_OBJECT
public:
    // The screen it appears on and the part of it that windows may cover.
    struct Screen {
        QRect geometry;
        QRect available;
    };

    // `picture` may be null: the popup then shows a gradient with the sender's name.
    NotificationPopup(const PopupContent& content, const QImage& picture, int size,
                      std::shared_ptr<PopupStack> stack, const Screen& screen);
    ~NotificationPopup() override;

    // Takes its place on the stack, shows up and runs the animation.
    void start();

Q_SIGNALS:
    // The animation is over; the popup may be deleted.
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void showFrame();
    void leaveStack();

    PopupLayout m_layout;
    QImage m_image;
    std::shared_ptr<PopupStack> m_stack;
    int m_screenHeight;
    PopupAnimation m_animation;
    quint64 m_serial = 0;
    bool m_onStack = false;
    QTimer m_timer;
};

} // namespace verbalink
