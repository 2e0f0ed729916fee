// The windows need an application object; the tests drive them without a screen.
#include "framework/ui/translations.h"
#include "support/offscreen_desktop.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ornavo::testing::useOffscreenDesktop();
    // Module windows keep what is typed in the user's state folder: a folder of the tests' own.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ornavo"));
    ornavo::ui::installChineseTranslations();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
