#include "restore_bar.h"

#include "return_presses.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace ornavo::ui {

RestoreBar::RestoreBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("restoreBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xff, 0xf6, 0xd5));
    colours.setColor(QPalette::WindowText, QColor(0x33, 0x2b, 0x00));
    setPalette(colours);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 3, 4, 3);
    auto* text = new QLabel(QStringLiteral("上次在本窗口填写的内容还在。"));
    text->setObjectName(QStringLiteral("标签_上次内容"));
    row->addWidget(text, 1);
    auto* restore = new QPushButton(QStringLiteral("恢复上次内容"));
    restore->setObjectName(QStringLiteral("按钮_恢复上次内容"));
    restore->setAutoDefault(false);
    auto* ignore = new QPushButton(QStringLiteral("忽略"));
    ignore->setObjectName(QStringLiteral("按钮_忽略"));
    ignore->setAutoDefault(false);
    pressOnReturn(restore);
    pressOnReturn(ignore);
    row->addWidget(restore);
    row->addWidget(ignore);
    connect(restore, &QPushButton::clicked, this, &RestoreBar::restoreClicked);
    connect(ignore, &QPushButton::clicked, this, &RestoreBar::ignoreClicked);
}

} // namespace ornavo::ui
