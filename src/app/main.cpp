// ornavo: the desktop program. `ornavo --module KEY` opens one module window directly.

#include "framework/ui/generator_window.h"
#include "framework/ui/message_prompter.h"
#include "generators/catalogue.h"

#include <QApplication>
#include <QCommandLineParser>
#include <iostream>

using namespace ornavo;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ornavo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ornavo"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.1"));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption moduleOption(QStringLiteral("module"), QStringLiteral("Open one module window."),
                                    QStringLiteral("KEY"), QStringLiteral("F03"));
    parser.addOption(moduleOption);
    parser.process(app);

    const std::string key = parser.value(moduleOption).toStdString();
    const ModuleSpec* spec = moduleRegistry().byKey(key);
    if (!spec) {
        std::cerr << "ornavo: no module " << key << "\n";
        return 2;
    }
    Session session;
    ui::GeneratorWindow window(*spec, session.variables(spec->key), ui::sharedPrompter());
    window.exec();
    return 0;
}
