// Test main: a headless Qt application named like the program, the module's
// resources, and a temporary data home for the whole process.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "res/Resources.h"
#include "tests/support/ScriptedResponder.h"
#include "tests/support/TempHome.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    // Message box captions carry the executable's name.
    QCoreApplication::setApplicationName(QStringLiteral("zolmgr"));
    res::Install();
    TempHome home;
    UnexpectedModalResponder unexpected;
    ui::SetModalResponder(&unexpected);
    return RUN_ALL_TESTS();
}
