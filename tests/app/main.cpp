// The windows need an application object; the tests drive them without a screen.
#include "framework/ui/translations.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ornavo"));
    ornavo::ui::installChineseTranslations();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
