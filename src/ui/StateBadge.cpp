#include "ui/StateBadge.h"

#include "contracts/RecordEditing.h"

#include <QPainter>
#include <QPainterPath>

namespace ui {

namespace {

constexpr int NormalGloss = 110;

} // namespace

StateBadge::StateBadge(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AquaImage_Status"));
    setState(QString());
}

void StateBadge::setState(const QString& state) {
    m_text = state;
    m_colour = contracts::StateBadgeColour(state);
    // The project badge is drawn a little darker.
    m_gloss = NormalGloss - contracts::StateBadgeGlossReduction(state);
    update();
}

QSize StateBadge::sizeHint() const {
    return {96, 22};
}

void StateBadge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = box.height() / 2;
    QPainterPath pill;
    pill.addRoundedRect(box, radius, radius);

    QLinearGradient body(box.topLeft(), box.bottomLeft());
    body.setColorAt(0, m_colour.lighter(125));
    body.setColorAt(1, m_colour.darker(115));
    painter.fillPath(pill, body);

    // The gloss: a pale band over the upper half.
    QPainterPath shine;
    const QRectF upper(box.left() + radius / 2, box.top() + 1, box.width() - radius, box.height() * 0.45);
    shine.addRoundedRect(upper, upper.height() / 2, upper.height() / 2);
    QLinearGradient glow(upper.topLeft(), upper.bottomLeft());
    glow.setColorAt(0, QColor(255, 255, 255, m_gloss));
    glow.setColorAt(1, QColor(255, 255, 255, m_gloss / 6));
    painter.fillPath(shine, glow);

    painter.setPen(m_colour.darker(140));
    painter.drawPath(pill);

    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(contracts::StateBadgeTextColour());
    painter.drawText(box, Qt::AlignCenter, m_text);
}

} // namespace ui
