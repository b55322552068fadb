#include <gtest/gtest.h>

#include <QApplication>
#include <csignal>

int main(int argc, char** argv) {
    // Test discovery runs without the tests' environment. Two screens side
    // by side, the second of two device pixels per logical one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" PICTYPE_TEST_SCREENS);
    // Tests that hit a file-size limit expect a failed write, not a signal.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
