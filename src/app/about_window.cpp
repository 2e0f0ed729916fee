#include "about_window.h"

#include "framework/model/constants.h"
#include "framework/model/version.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace ornavo::app {

const char* const AboutWindow::kCaption = "关于软件";

namespace {
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}
} // namespace

AboutWindow::AboutWindow(std::function<void(const std::string&)> openAddress, QWidget* parent)
    : QDialog(parent), openAddress_(std::move(openAddress)) {
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setFixedSize(360, 257);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    QLabel* title =
        addLabel(this, "标签1", QStringLiteral("Ornavo V") + QString::fromLatin1(programVersion()),
                 QRect(24, 20, 312, 36));
    QFont big = title->font();
    big.setPixelSize(24);
    big.setBold(true);
    title->setFont(big);
    addLabel(this, "标签4", QString(44, QLatin1Char('_')), QRect(24, 56, 312, 18));
    addLabel(this, "标签2", QStringLiteral("Quillet工作室 出品"), QRect(24, 90, 312, 22));
    addLabel(this, "标签3", QStringLiteral("淘宝店铺装修代码一键生成工具"), QRect(24, 116, 312, 22));

    QLabel* contact = addLabel(this, "标签5", QStringLiteral("联系我们"), QRect(24, 160, 120, 22));
    contact->setCursor(Qt::PointingHandCursor);
    contact->setStyleSheet(QStringLiteral("color:#1f5fa8; text-decoration: underline;"));
    contact->installEventFilter(this);

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("按钮_关于软件确定"));
    ok->setGeometry(250, 205, 86, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched->objectName() == QStringLiteral("标签5") && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (openAddress_)
            openAddress_(address(Address::IM_CONTACT_URL));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace ornavo::app
