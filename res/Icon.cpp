#include "res/Icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace res {
namespace {

QPixmap Paint(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    // Three stacked discs make the drum.
    const QColor body(0x2f, 0x6f, 0xb5);
    const QColor rim(0x1c, 0x45, 0x73);
    const QColor top(0x7f, 0xb2, 0xe8);
    painter.setPen(QPen(rim, 1.2));
    for (int level = 2; level >= 0; --level) {
        const double y = 6 + level * 7.0;
        QPainterPath side;
        side.moveTo(4, y + 3);
        side.lineTo(4, y + 10);
        side.arcTo(QRectF(4, y + 6.5, 22, 7), 180, 180);
        side.lineTo(26, y + 3);
        side.closeSubpath();
        painter.setBrush(body);
        painter.drawPath(side);
    }
    painter.setBrush(top);
    painter.drawEllipse(QRectF(4, 5.5, 22, 7));

    // The tick: the database is looked after.
    painter.setPen(QPen(QColor(0x1e, 0x9e, 0x3a), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(17, 23);
    tick.lineTo(21.5, 27.5);
    tick.lineTo(29.5, 17.5);
    painter.drawPath(tick);
    return pixmap;
}

}  // namespace

QIcon MainIcon() {
    QIcon icon;
    for (int size : {16, 20, 24, 32, 48, 64, 128})
        icon.addPixmap(Paint(size));
    return icon;
}

}  // namespace res
