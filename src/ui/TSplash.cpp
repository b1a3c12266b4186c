#include "ui/TSplash.h"

#include "app/Clock.h"
#include "app/Globals.h"
#include "ui/TWaitBox.h"
#include "ui/TitleColours.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace ui {

QString copyrightText() {
    QString text = QStringLiteral("Copyright © 2008 Carvello Software Developpement");
    return text.replace(QStringLiteral("2008"), QString::number(app::clock::today().year()));
}

TSplash::TSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Splash"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(460, 260);

    auto* product = new QLabel(app::ProductName, this);
    product->setObjectName(QStringLiteral("Lab_Product"));
    QFont big = product->font();
    big.setPointSize(22);
    big.setBold(true);
    product->setFont(big);

    version_ = new QLabel(QStringLiteral("Version ") + app::ProductVersion, this);
    version_->setObjectName(QStringLiteral("version_"));
    Lab_Copyright = new QLabel(copyrightText(), this);
    Lab_Copyright->setObjectName(QStringLiteral("Lab_Copyright"));
    info = new QLabel(this);
    info->setObjectName(QStringLiteral("info"));
    barre = new QProgressBar(this);
    barre->setObjectName(QStringLiteral("barre"));
    barre->setRange(0, GaugeMaximum);
    barre->setValue(0);
    barre->setTextVisible(false);
    barre->setFixedHeight(12);

    for (QLabel* label : {product, version_, Lab_Copyright, info}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, TitleColours::text);
        label->setPalette(palette);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 28, 24, 18);
    layout->addWidget(product);
    layout->addWidget(version_);
    layout->addStretch(1);
    layout->addWidget(info);
    layout->addWidget(barre);
    layout->addWidget(Lab_Copyright);
    centreOnScreen();
}

TSplash::~TSplash() = default;

void TSplash::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void TSplash::showSplash() {
    centreOnScreen();
    show();
    repaint();
    QApplication::processEvents();
}

void TSplash::setSplashGauge(int value) {
    barre->setValue(value);
}

void TSplash::setSplashMessage(const QString& text) {
    info->setText(text);
}

void TSplash::processEvents() {
    if (isVisible())
        repaint();
    QApplication::processEvents();
}

void TSplash::showWaitBox(const QString& task, const QString& message, int maximum) {
    m_waitBox = std::make_unique<TWaitBox>();
    m_waitBox->start(task, message, maximum);
}

void TSplash::setWaitBoxStep(const QString& message, int position) {
    if (m_waitBox)
        m_waitBox->step(message, position);
}

void TSplash::closeWaitBox() {
    m_waitBox.reset();
}

void TSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, TitleColours::activeFrom);
    gradient.setColorAt(1, TitleColours::activeTo);
    painter.fillRect(rect(), gradient);
    painter.setPen(TitleColours::inactiveTo);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace ui
