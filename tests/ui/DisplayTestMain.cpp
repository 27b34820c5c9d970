#include "DisplayTestMain.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

verbalink::testing::VirtualDisplay* shared = nullptr;

} // namespace

namespace verbalink::testing {

VirtualDisplay& testDisplay()
{
    return *shared;
}

} // namespace verbalink::testing

// Widget tests through a window system: a private Xvfb for the whole run, started before the
// QApplication that connects to it. Listing the tests needs neither.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    verbalink::testing::VirtualDisplay display;
    QString error;
    if (!display.start(error)) {
        fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    shared = &display;
    qputenv("DISPLAY", display.name().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
