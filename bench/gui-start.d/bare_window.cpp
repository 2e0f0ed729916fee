// The yardstick of bench/gui-start: the plainest Qt Widgets program, one 1000 x 700 label.
#include <QApplication>
#include <QLabel>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--version")))
        return std::puts("bare-window 1") < 0;
    QLabel label(QStringLiteral("A plain Qt window"));
    label.resize(1000, 700);
    label.show();
    return app.exec();
}
