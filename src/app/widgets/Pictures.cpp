#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace kelvarin::app::pictures {

namespace {

constexpr int kIcon = 20;

template <typename Draw> QIcon drawIcon(Draw&& draw) {
    QPixmap pixmap(kIcon, kIcon);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return QIcon(pixmap);
}

void drawCalculator(QPainter& p, const QRectF& r) {
    const qreal u = r.width() / 10.0;
    p.setPen(QPen(QColor(40, 40, 40), u * 0.5));
    p.setBrush(QColor(90, 90, 100));
    p.drawRoundedRect(r, u, u);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 220, 170));
    p.drawRect(QRectF(r.left() + u, r.top() + u, r.width() - 2 * u, r.height() * 0.22));
    const qreal top = r.top() + u * 2 + r.height() * 0.22;
    const qreal keyW = (r.width() - 2 * u) / 3.0;
    const qreal keyH = (r.bottom() - u - top) / 3.0;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            p.setBrush(col == 2 ? QColor(220, 80, 60) : QColor(235, 235, 235));
            p.drawRect(QRectF(r.left() + u + col * keyW + keyW * 0.12, top + row * keyH + keyH * 0.12, keyW * 0.76,
                              keyH * 0.76));
        }
}

void drawHouse(QPainter& p, const QRectF& r) {
    const qreal w = r.width(), h = r.height();
    QPainterPath roof;
    roof.moveTo(r.left(), r.top() + h * 0.45);
    roof.lineTo(r.left() + w / 2, r.top());
    roof.lineTo(r.right(), r.top() + h * 0.45);
    roof.closeSubpath();
    p.setPen(QPen(QColor(60, 30, 20), qMax<qreal>(1.0, w / 60)));
    p.setBrush(QColor(180, 50, 40));
    p.fillRect(QRectF(r.left() + w * 0.68, r.top() + h * 0.08, w * 0.1, h * 0.3), QColor(120, 70, 50));
    p.drawPath(roof);
    const QRectF walls(r.left() + w * 0.1, r.top() + h * 0.42, w * 0.8, h * 0.58);
    p.setBrush(QColor(240, 225, 185));
    p.drawRect(walls);
    p.setBrush(QColor(110, 70, 40));
    p.drawRect(QRectF(r.left() + w * 0.42, r.top() + h * 0.66, w * 0.16, h * 0.34));
    p.setBrush(QColor(150, 200, 240));
    p.drawRect(QRectF(r.left() + w * 0.18, r.top() + h * 0.55, w * 0.16, h * 0.16));
    p.drawRect(QRectF(r.left() + w * 0.66, r.top() + h * 0.55, w * 0.16, h * 0.16));
}

}  // namespace

QIcon open() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(120, 90, 0), 1));
        p.setBrush(QColor(230, 190, 60));
        p.drawRect(QRectF(2.5, 5.5, 14, 11));
        p.drawRect(QRectF(2.5, 3.5, 6, 2));
        QPainterPath flap;
        flap.moveTo(2.5, 16.5);
        flap.lineTo(6.5, 9.5);
        flap.lineTo(19.5, 9.5);
        flap.lineTo(16.5, 16.5);
        flap.closeSubpath();
        p.setBrush(QColor(250, 220, 110));
        p.drawPath(flap);
    });
}

QIcon save() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(20, 30, 90), 1));
        p.setBrush(QColor(50, 80, 170));
        p.drawRect(QRectF(2.5, 2.5, 15, 15));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6));
        p.setBrush(QColor(190, 190, 200));
        p.drawRect(QRectF(5.5, 11.5, 9, 6));
        p.fillRect(QRectF(11, 3.5, 2, 4), QColor(50, 80, 170));
    });
}

QIcon print() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(50, 50, 50), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 1.5, 9, 7));
        p.setBrush(QColor(170, 170, 175));
        p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 12.5, 9, 6));
        p.setPen(QColor(90, 90, 90));
        p.drawLine(QPointF(7, 15), QPointF(13, 15));
        p.drawLine(QPointF(7, 17), QPointF(12, 17));
        p.fillRect(QRectF(15, 9, 2, 2), QColor(40, 170, 40));
    });
}

QIcon reset() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(20, 120, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3.5, 3.5, 13, 13), 100 * 16, 290 * 16);
        QPainterPath head;
        head.moveTo(8.5, 0.8);
        head.lineTo(8.5, 8.0);
        head.lineTo(3.0, 4.2);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 120, 40));
        p.drawPath(head);
    });
}

QIcon popupCalculator() { return drawIcon([](QPainter& p) { drawCalculator(p, QRectF(3.5, 1.5, 13, 17)); }); }

QIcon update() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(20, 60, 130), 1));
        p.setBrush(QColor(120, 180, 240));
        p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(5.5, 1.5, 7, 15));
        p.drawLine(QPointF(1.5, 9), QPointF(16.5, 9));
        QPainterPath arrow;
        arrow.moveTo(13, 10);
        arrow.lineTo(19, 10);
        arrow.lineTo(19, 14);
        arrow.lineTo(20, 14);
        arrow.lineTo(16, 19.5);
        arrow.lineTo(12, 14);
        arrow.lineTo(13, 14);
        arrow.closeSubpath();
        p.setPen(QPen(QColor(10, 80, 10), 0.8));
        p.setBrush(QColor(60, 190, 60));
        p.drawPath(arrow);
    });
}

QIcon help() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(10, 40, 120), 1));
        p.setBrush(QColor(40, 100, 210));
        p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(14);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, kIcon, kIcon), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QIcon calculatorList() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 1.5, 15, 17));
        for (int i = 0; i < 4; ++i) {
            const qreal y = 5 + i * 3.6;
            p.fillRect(QRectF(4.5, y - 1, 2, 2), QColor(180, 50, 40));
            p.fillRect(QRectF(8, y - 0.5, 7.5, 1.2), QColor(40, 40, 40));
        }
    });
}

QIcon exit() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(70, 40, 20), 1));
        p.setBrush(QColor(150, 100, 55));
        p.drawRect(QRectF(2.5, 1.5, 9, 17));
        p.setBrush(QColor(230, 200, 60));
        p.drawEllipse(QRectF(8, 9, 2, 2));
        QPainterPath arrow;
        arrow.moveTo(11, 8.5);
        arrow.lineTo(15, 8.5);
        arrow.lineTo(15, 5.5);
        arrow.lineTo(19.5, 10);
        arrow.lineTo(15, 14.5);
        arrow.lineTo(15, 11.5);
        arrow.lineTo(11, 11.5);
        arrow.closeSubpath();
        p.setPen(QPen(QColor(120, 10, 10), 0.8));
        p.setBrush(QColor(210, 40, 30));
        p.drawPath(arrow);
    });
}

QIcon key() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(120, 90, 0), 1));
        p.setBrush(QColor(235, 190, 50));
        // Bow with its hole, then the shaft and two bits.
        p.drawEllipse(QRectF(1.5, 6.5, 8, 8));
        p.drawRect(QRectF(9.5, 9.5, 9, 2));
        p.drawRect(QRectF(14.5, 11.5, 2, 3));
        p.drawRect(QRectF(17.5, 11.5, 1.5, 2.5));
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QRectF(4, 9, 3, 3));
    });
}

QIcon padlock() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(70, 70, 80), 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6, 2.5, 8, 10), 0, 180 * 16);
        p.drawLine(QPointF(6, 7.5), QPointF(6, 9.5));
        p.drawLine(QPointF(14, 7.5), QPointF(14, 9.5));
        p.setPen(QPen(QColor(120, 90, 0), 1));
        p.setBrush(QColor(235, 190, 50));
        p.drawRoundedRect(QRectF(3.5, 9.5, 13, 9), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 50, 0));
        p.drawEllipse(QRectF(8.5, 12, 3, 3));
        p.drawRect(QRectF(9.4, 14, 1.2, 2.5));
    });
}

QPixmap product(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 170, 80));
    p.drawEllipse(QRectF(w * 0.02, h * 0.78, w * 0.96, h * 0.2));
    drawHouse(p, QRectF(w * 0.04, h * 0.1, w * 0.62, h * 0.78));
    drawCalculator(p, QRectF(w * 0.64, h * 0.36, w * 0.32, h * 0.58));
    return pixmap;
}

}  // namespace kelvarin::app::pictures
