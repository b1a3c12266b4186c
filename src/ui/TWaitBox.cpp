#include "ui/TWaitBox.h"

#include "ui/TitleColours.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace ui {

TWaitBox::TWaitBox(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("WaitBox"));
    setFixedSize(360, 110);
    Lab_Task = new QLabel(this);
    Lab_Task->setObjectName(QStringLiteral("Lab_Task"));
    QFont bold = Lab_Task->font();
    bold.setBold(true);
    Lab_Task->setFont(bold);
    QPalette palette = Lab_Task->palette();
    palette.setColor(QPalette::WindowText, TitleColours::text);
    Lab_Task->setPalette(palette);
    Lab_Task->setContentsMargins(8, 4, 8, 4);
    Lab_Message = new QLabel(this);
    Lab_Message->setObjectName(QStringLiteral("Lab_Message"));
    Gauge = new QProgressBar(this);
    Gauge->setObjectName(QStringLiteral("Gauge"));
    Gauge->setTextVisible(false);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 8, 12, 12);
    body->addWidget(Lab_Message);
    body->addWidget(Gauge);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(Lab_Task);
    layout->addLayout(body, 1);
}

void TWaitBox::start(const QString& task, const QString& message, int maximum) {
    Lab_Task->setText(task);
    Lab_Message->setText(message);
    Gauge->setRange(0, maximum);
    Gauge->setValue(0);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    show();
    refresh();
}

void TWaitBox::step(const QString& message, int position) {
    Lab_Message->setText(message);
    Gauge->setValue(position);
    refresh();
}

void TWaitBox::refresh() {
    if (isVisible())
        repaint();
    QApplication::processEvents();
}

void TWaitBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    QLinearGradient gradient(0, 0, 0, Lab_Task->height());
    gradient.setColorAt(0, TitleColours::activeFrom);
    gradient.setColorAt(1, TitleColours::activeTo);
    painter.fillRect(QRect(0, 0, width(), Lab_Task->geometry().bottom() + 1), gradient);
    painter.setPen(TitleColours::activeTo);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace ui
