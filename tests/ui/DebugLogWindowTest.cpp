#include "ui/DebugLogWindow.h"

#include "WaitFor.h"
#include "app/DebugLog.h"

#include <QCloseEvent>
#include <QImage>
#include <QWindow>
#include <gtest/gtest.h>
#include <thread>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

int greenPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom() && y < image.height(); ++y)
        for (int x = area.left(); x <= area.right() && x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(0, 255, 0))
                ++count;
    return count;
}

TEST(DebugLogWindowTest, FollowsTheLogsVisibleFlag)
{
    DebugLog log;
    DebugLogWindow window(log);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(400, 128));
    log.setVisible(true);
    EXPECT_TRUE(window.isVisible());

    // Closing hides the window and stops the logging.
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(log.isVisible());
}

TEST(DebugLogWindowTest, DrawsTheTextInGreenOnBlack)
{
    DebugLog log;
    DebugLogWindow window(log);
    log.setVisible(true);
    const QImage empty = window.grab().toImage();
    EXPECT_EQ(greenPixels(empty, empty.rect()), 0);
    EXPECT_EQ(empty.pixelColor(200, 60), QColor(Qt::black));

    log.logLine(u"CHATMESSAGE 12 STATUS SENDING"_s);
    const QImage drawn = window.grab().toImage();
    EXPECT_GT(greenPixels(drawn, DebugLogWindow::textArea()), 0);
    // Nothing above or left of the text area.
    EXPECT_EQ(greenPixels(drawn, QRect(0, 0, drawn.width(), 10)), 0);
    EXPECT_EQ(greenPixels(drawn, QRect(0, 0, 5, drawn.height())), 0);
}

TEST(DebugLogWindowTest, RepaintsWhenAWorkerLogs)
{
    DebugLog log;
    DebugLogWindow window(log);
    log.setVisible(true);
    ASSERT_TRUE(
        waitFor([&] { return window.windowHandle() && window.windowHandle()->isExposed(); }));
    QCoreApplication::processEvents();
    PaintCounter counter;
    window.installEventFilter(&counter);

    std::thread worker([&log] { log.logLine(u"from the link thread"_s); });
    worker.join();
    EXPECT_TRUE(waitFor([&] { return counter.paints > 0; }));
}

} // namespace
} // namespace verbalink
