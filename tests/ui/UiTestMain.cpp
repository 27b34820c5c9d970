#include <QApplication>
#include <gtest/gtest.h>

// Widget tests need one QApplication for the whole run. Listing the tests (which the build does
// to register them) needs none, and a run started by hand stays off the screen too.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
