#include "skin.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

// The resource lives in a static library, so it is registered by hand.
static void registerSkinResource() {
    Q_INIT_RESOURCE(skin);
}

namespace ornavo::app {

namespace {

QPalette skinPalette() {
    QPalette p;
    const QColor text(0x1f, 0x29, 0x33);
    p.setColor(QPalette::Window, QColor(0xf3, 0xf5, 0xf7));
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xf7, 0xf9, 0xfb));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, Qt::white);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(0x2f, 0x6f, 0xb0));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, Qt::white);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x8a, 0x94, 0x9e));
    p.setColor(QPalette::Link, QColor(0x2f, 0x6f, 0xb0));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0x9a, 0xa4, 0xae));
    return p;
}

QFont skinFont(const QFont& standard) {
    QFont font = standard;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("Sans Serif")});
    font.setPointSize(10);
    // Han text and Latin need no OpenType shaping to be drawn right; skipping it spares loading the CJK
    // face's large substitution and positioning tables on every start. Scripts that need shaping
    // still get it.
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

} // namespace

bool applySkin(QApplication& app, const QString& styleSheetResource) {
    registerSkinResource();
    QFile file(styleSheetResource);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QString styleSheet = QString::fromUtf8(file.readAll());
    if (styleSheet.trimmed().isEmpty())
        return false;

    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setPalette(skinPalette());
    QApplication::setFont(skinFont(QApplication::font()));
    app.setStyleSheet(styleSheet);
    return true;
}

} // namespace ornavo::app
