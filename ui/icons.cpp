#include "ui/icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace ui {

QIcon IconList::icon(int index) const {
    if (index < 0 || index >= count())
        return {};
    return icons_[static_cast<std::size_t>(index)];
}

namespace {

// Every pictogram is drawn on a 16 x 16 grid; the painter is scaled to the list's size.
using Drawing = std::function<void(QPainter&)>;

QIcon render(int size, const Drawing& draw) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    draw(p);
    p.end();
    return QIcon(pixmap);
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& a, const QColor& b) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QPen pen(const QColor& colour, qreal width = 1.0) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const QColor kOutline(60, 60, 70);

void document(QPainter& p, const QRectF& r = QRectF(2.5, 0.5, 11, 15)) {
    const qreal fold = 4;
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setPen(pen(QColor(110, 110, 120)));
    p.setBrush(vertical(r.top(), r.bottom(), Qt::white, QColor(225, 230, 240)));
    p.drawPath(page);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(205, 210, 220));
    p.drawPath(corner);
}

void textLines(QPainter& p, qreal left, qreal right, qreal top, int lines) {
    p.setPen(pen(QColor(80, 120, 200)));
    for (int i = 0; i < lines; ++i)
        p.drawLine(QPointF(left, top + i * 2.5), QPointF(right - (i % 2) * 2, top + i * 2.5));
}

void folder(QPainter& p, const QColor& light = QColor(255, 226, 120),
            const QColor& dark = QColor(222, 170, 40)) {
    QPainterPath back;
    back.moveTo(0.5, 3.5);
    back.lineTo(5.5, 3.5);
    back.lineTo(7, 5);
    back.lineTo(14.5, 5);
    back.lineTo(14.5, 13.5);
    back.lineTo(0.5, 13.5);
    back.closeSubpath();
    p.setPen(pen(QColor(150, 110, 20)));
    p.setBrush(dark);
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(0.5, 13.5);
    front.lineTo(2.5, 7);
    front.lineTo(15.5, 7);
    front.lineTo(14.5, 13.5);
    front.closeSubpath();
    p.setBrush(vertical(7, 13.5, light, dark));
    p.drawPath(front);
}

void redCross(QPainter& p, const QPointF& c, qreal r, qreal width) {
    p.setPen(QPen(QColor(120, 0, 0), width + 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
    p.drawLine(c + QPointF(r, -r), c + QPointF(-r, r));
    p.setPen(QPen(QColor(235, 40, 30), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
    p.drawLine(c + QPointF(r, -r), c + QPointF(-r, r));
}

void ball(QPainter& p, const QRectF& r, const QColor& light, const QColor& dark) {
    QRadialGradient g(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.width() * 0.7);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setPen(pen(dark.darker(140)));
    p.setBrush(g);
    p.drawEllipse(r);
}

void gear(QPainter& p, const QPointF& c, qreal radius, const QColor& light, const QColor& dark) {
    QPainterPath shape;
    shape.addEllipse(c, radius * 0.72, radius * 0.72);
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(i * 45.0);
        QPainterPath tooth;
        tooth.addRect(QRectF(-radius * 0.17, -radius, radius * 0.34, radius * 0.5));
        shape = shape.united(t.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(c, radius * 0.3, radius * 0.3);
    shape = shape.subtracted(hole);
    p.setPen(pen(dark.darker(150), 0.8));
    p.setBrush(vertical(c.y() - radius, c.y() + radius, light, dark));
    p.drawPath(shape);
}

void person(QPainter& p, qreal dx, qreal dy, qreal scale, const QColor& shirt) {
    p.save();
    p.translate(dx, dy);
    p.scale(scale, scale);
    QPainterPath body;
    body.moveTo(1, 15.5);
    body.cubicTo(1, 10, 4, 9, 6.5, 9);
    body.cubicTo(9, 9, 12, 10, 12, 15.5);
    body.closeSubpath();
    p.setPen(pen(shirt.darker(160)));
    p.setBrush(vertical(9, 15.5, shirt.lighter(130), shirt));
    p.drawPath(body);
    ball(p, QRectF(3.5, 2, 6, 6.5), QColor(255, 228, 196), QColor(215, 160, 110));
    p.restore();
}

void badge(QPainter& p, const QPointF& c, const QColor& colour) {
    ball(p, QRectF(c.x() - 3.8, c.y() - 3.8, 7.6, 7.6), colour.lighter(130), colour);
}

void plus(QPainter& p, const QPointF& c) {
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c + QPointF(-2.6, 0), c + QPointF(2.6, 0));
    p.drawLine(c + QPointF(0, -2.6), c + QPointF(0, 2.6));
}

void monitor(QPainter& p) {
    p.setPen(pen(kOutline));
    p.setBrush(vertical(1, 11, QColor(235, 235, 230), QColor(170, 170, 165)));
    p.drawRoundedRect(QRectF(0.5, 1.5, 15, 10), 1, 1);
    p.setBrush(vertical(3, 10, QColor(90, 150, 240), QColor(20, 60, 170)));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(2, 3, 12, 7));
    p.setPen(pen(kOutline));
    p.setBrush(QColor(180, 180, 175));
    p.drawRect(QRectF(5.5, 11.5, 5, 2));
    p.drawRoundedRect(QRectF(3.5, 13.5, 9, 2), 0.8, 0.8);
}

// A broom lying from the top right to the bottom left, bristles at (cx, cy).
void broom(QPainter& p, const QPointF& bristles, qreal scale, qreal angle = 40) {
    p.save();
    p.translate(bristles);
    p.rotate(angle);
    p.scale(scale, scale);
    p.setPen(QPen(QColor(90, 50, 20), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -2), QPointF(0, -13));
    p.setPen(QPen(QColor(190, 120, 60), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -2), QPointF(0, -13));
    QPainterPath head;
    head.moveTo(-2.2, -2);
    head.lineTo(2.2, -2);
    head.lineTo(4.2, 5);
    head.lineTo(-4.2, 5);
    head.closeSubpath();
    p.setPen(pen(QColor(150, 110, 20), 0.8));
    p.setBrush(vertical(-2, 5, QColor(255, 230, 120), QColor(215, 160, 40)));
    p.drawPath(head);
    p.setPen(pen(QColor(170, 120, 30), 0.6));
    for (qreal x = -2; x <= 2; x += 1.33)
        p.drawLine(QPointF(x * 0.8, 0), QPointF(x * 1.6, 4.6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRectF(-2.4, -2.6, 4.8, 1.6));
    p.restore();
}

void sparkle(QPainter& p, const QPointF& c, qreal r) {
    QPainterPath star;
    star.moveTo(c + QPointF(0, -r));
    star.quadTo(c, c + QPointF(r, 0));
    star.quadTo(c, c + QPointF(0, r));
    star.quadTo(c, c + QPointF(-r, 0));
    star.quadTo(c, c + QPointF(0, -r));
    p.setPen(pen(QColor(210, 150, 0), 0.5));
    p.setBrush(QColor(255, 240, 80));
    p.drawPath(star);
}

void bin(QPainter& p) {
    QPainterPath body;
    body.moveTo(3, 4.5);
    body.lineTo(13, 4.5);
    body.lineTo(12, 15.5);
    body.lineTo(4, 15.5);
    body.closeSubpath();
    p.setPen(pen(QColor(70, 80, 100)));
    QLinearGradient g(3, 0, 13, 0);
    g.setColorAt(0, QColor(170, 185, 210));
    g.setColorAt(0.4, QColor(240, 245, 255));
    g.setColorAt(1, QColor(140, 155, 185));
    p.setBrush(g);
    p.drawPath(body);
    p.setPen(pen(QColor(120, 135, 165), 0.8));
    for (qreal x : {6.0, 8.0, 10.0})
        p.drawLine(QPointF(x, 6.5), QPointF(x, 14));
    p.setPen(pen(QColor(70, 80, 100)));
    p.setBrush(vertical(2, 5, QColor(220, 228, 240), QColor(150, 165, 195)));
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 2.5), 1, 1);
    p.drawRect(QRectF(6, 0.8, 4, 1.7));
}

void drawDocument(QPainter& p) {
    document(p);
    textLines(p, 4.5, 11.5, 7, 3);
}

void drawFolder(QPainter& p) {
    folder(p);
}

void drawDelete(QPainter& p) {
    redCross(p, QPointF(8, 8), 5, 2.4);
}

void drawSettings(QPainter& p) {
    gear(p, QPointF(8, 8), 7.4, QColor(200, 210, 225), QColor(95, 110, 140));
}

void drawClose(QPainter& p) {
    p.setPen(pen(QColor(140, 30, 20)));
    p.setBrush(vertical(1, 15, QColor(250, 140, 110), QColor(200, 45, 25)));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(11, 11));
    p.drawLine(QPointF(11, 5), QPointF(5, 11));
}

void drawSave(QPainter& p) {
    p.setPen(pen(QColor(20, 40, 110)));
    p.setBrush(vertical(1, 15, QColor(80, 120, 220), QColor(30, 60, 160)));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1.5, 8, 5.5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4.5, 10, 7, 4.5));
}

void drawSearch(QPainter& p) {
    p.setPen(QPen(QColor(60, 40, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    QRadialGradient glass(5, 5, 6);
    glass.setColorAt(0, Qt::white);
    glass.setColorAt(1, QColor(150, 200, 250));
    p.setPen(QPen(QColor(40, 60, 110), 1.6));
    p.setBrush(glass);
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
}

void drawInfo(QPainter& p) {
    ball(p, QRectF(0.5, 0.5, 15, 15), QColor(130, 180, 255), QColor(20, 80, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6.8, 2.8, 2.4, 2.4));
    p.drawRoundedRect(QRectF(6.9, 6.3, 2.2, 6.7), 0.6, 0.6);
}

void drawHelp(QPainter& p) {
    ball(p, QRectF(0.5, 0.5, 15, 15), QColor(130, 180, 255), QColor(20, 80, 200));
    QPainterPath mark;
    mark.moveTo(5.3, 6);
    mark.cubicTo(5.3, 2.6, 10.7, 2.6, 10.7, 5.6);
    mark.cubicTo(10.7, 7.6, 8, 7.6, 8, 10);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6.8, 11.4, 2.4, 2.4));
}

void drawFilterFolder(QPainter& p) {
    folder(p);
    QPainterPath funnel;
    funnel.moveTo(6.5, 7.5);
    funnel.lineTo(15.5, 7.5);
    funnel.lineTo(12, 11.5);
    funnel.lineTo(12, 15.5);
    funnel.lineTo(10, 14.5);
    funnel.lineTo(10, 11.5);
    funnel.closeSubpath();
    p.setPen(pen(QColor(20, 40, 110)));
    p.setBrush(vertical(7.5, 15.5, QColor(110, 160, 250), QColor(30, 70, 190)));
    p.drawPath(funnel);
}

void drawPreviewList(QPainter& p) {
    p.setPen(pen(kOutline));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 1.5, 15, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(1.5, 4.5, QColor(80, 130, 230), QColor(20, 60, 180)));
    p.drawRect(QRectF(1, 2, 14, 3));
    const QColor marks[] = {QColor(240, 190, 40), QColor(90, 180, 70), QColor(220, 70, 60)};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 6.5 + i * 2.8;
        p.setPen(Qt::NoPen);
        p.setBrush(marks[i]);
        p.drawRect(QRectF(2.5, y, 2, 2));
        p.setPen(pen(QColor(120, 120, 130)));
        p.drawLine(QPointF(6, y + 1), QPointF(13.5 - i, y + 1));
    }
}

void drawRecycleBin(QPainter& p) {
    bin(p);
    QPainterPath mark;
    mark.moveTo(8, 7.5);
    mark.lineTo(10.3, 12);
    mark.lineTo(5.7, 12);
    mark.closeSubpath();
    p.setPen(QPen(QColor(30, 150, 50), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
}

void drawSystemCleaner(QPainter& p) {
    monitor(p);
    broom(p, QPointF(5, 11), 0.75, 40);
}

void drawHistory(QPainter& p) {
    p.setPen(QPen(QColor(20, 70, 170), 1.4));
    p.setBrush(vertical(0, 16, Qt::white, QColor(215, 228, 250)));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(pen(QColor(120, 130, 160), 0.8));
    for (int i = 0; i < 12; i += 3) {
        const qreal a = i * M_PI / 6;
        p.drawLine(QPointF(8 + 5 * std::sin(a), 8 - 5 * std::cos(a)),
                   QPointF(8 + 5.8 * std::sin(a), 8 - 5.8 * std::cos(a)));
    }
    p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(8, 3.8));
    p.setPen(QPen(QColor(200, 30, 30), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(11, 10));
}

void drawGlobe(QPainter& p) {
    ball(p, QRectF(0.5, 0.5, 15, 15), QColor(150, 210, 255), QColor(20, 90, 200));
    QPainterPath land;
    land.moveTo(3, 4);
    land.cubicTo(5, 2.5, 7.5, 3, 7, 5.5);
    land.cubicTo(6.5, 7.5, 8.5, 8, 7.5, 10.5);
    land.cubicTo(6.5, 12.5, 4.5, 11, 4.5, 9);
    land.cubicTo(4.5, 7.5, 2, 7, 3, 4);
    land.moveTo(9.5, 3);
    land.cubicTo(12, 3, 14.5, 6, 13.5, 8);
    land.cubicTo(12.5, 9.5, 11, 7.5, 10.5, 10);
    land.cubicTo(10, 12.5, 12, 13, 10.5, 14.2);
    land.cubicTo(9, 13, 9, 11, 9.2, 9);
    land.cubicTo(9.5, 7, 8.5, 5, 9.5, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 170, 60));
    p.drawPath(land);
    p.setPen(pen(QColor(255, 255, 255, 110), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4.5, 0.8, 7, 14.4));
    p.drawLine(QPointF(1, 8), QPointF(15, 8));
}

void drawDrive(QPainter& p) {
    p.setPen(pen(kOutline));
    p.setBrush(vertical(4, 12, QColor(235, 235, 235), QColor(150, 150, 155)));
    p.drawRoundedRect(QRectF(0.5, 4.5, 15, 8), 1.5, 1.5);
    p.setPen(pen(QColor(110, 110, 115)));
    p.drawLine(QPointF(2.5, 10), QPointF(9.5, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 210, 60));
    p.drawEllipse(QRectF(11.5, 9, 2, 2));
}

void drawComputer(QPainter& p) {
    monitor(p);
}

void drawUser(QPainter& p) {
    person(p, 1.5, 0, 1.0, QColor(40, 110, 220));
}

void drawBackground(QPainter& p) {
    p.setPen(pen(kOutline));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 10, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 80, 200));
    p.drawRect(QRectF(1, 1, 9.5, 2));
    p.setBrush(vertical(12, 16, QColor(70, 130, 240), QColor(20, 60, 170)));
    p.drawRect(QRectF(0, 12.5, 16, 3.5));
    p.setBrush(QColor(255, 220, 80));
    p.drawRect(QRectF(12, 13.3, 2.2, 2));
    QPainterPath arrow;
    arrow.moveTo(11, 4);
    arrow.lineTo(13.5, 4);
    arrow.lineTo(13.5, 8);
    arrow.lineTo(15.5, 8);
    arrow.lineTo(12.25, 11.5);
    arrow.lineTo(9, 8);
    arrow.lineTo(11, 8);
    arrow.closeSubpath();
    p.setPen(pen(QColor(20, 110, 30), 0.7));
    p.setBrush(QColor(60, 190, 60));
    p.drawPath(arrow);
}

void drawStop(QPainter& p) {
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal a = (i * 45.0 + 22.5) * M_PI / 180.0;
        octagon << QPointF(8 + 7.4 * std::cos(a), 8 + 7.4 * std::sin(a));
    }
    p.setPen(pen(QColor(120, 0, 0)));
    p.setBrush(vertical(0, 16, QColor(250, 90, 70), QColor(190, 20, 10)));
    p.drawPolygon(octagon);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 6.8, 9, 2.4));
}

void drawFileTypes(QPainter& p) {
    document(p);
    const QColor colours[] = {QColor(220, 60, 50), QColor(60, 170, 60), QColor(50, 100, 220),
                              QColor(240, 180, 30)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.drawRect(QRectF(4.5 + (i % 2) * 4, 6 + (i / 2) * 4, 3, 3));
    }
}

void drawModes(QPainter& p) {
    person(p, 0, 0, 0.9, QColor(40, 110, 220));
    gear(p, QPointF(11.5, 11.5), 4.4, QColor(255, 220, 120), QColor(200, 140, 20));
}

void drawOtherSystemProfile(QPainter& p) {
    person(p, 0, 0, 0.9, QColor(80, 160, 80));
    const QColor panes[] = {QColor(240, 80, 40), QColor(120, 200, 40), QColor(40, 140, 240),
                            QColor(250, 200, 20)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(panes[i]);
        p.drawRect(QRectF(9 + (i % 2) * 3.6, 8.5 + (i / 2) * 3.6, 3.2, 3.2));
    }
}

void drawNewUser(QPainter& p) {
    person(p, 0, 0, 0.9, QColor(40, 110, 220));
    badge(p, QPointF(12, 12), QColor(40, 160, 40));
    plus(p, QPointF(12, 12));
}

void drawDownload(QPainter& p) {
    p.setPen(pen(kOutline));
    p.setBrush(vertical(11, 16, QColor(230, 230, 230), QColor(160, 160, 165)));
    p.drawRect(QRectF(0.5, 11.5, 15, 4));
    QPainterPath arrow;
    arrow.moveTo(6, 0.5);
    arrow.lineTo(10, 0.5);
    arrow.lineTo(10, 6);
    arrow.lineTo(13.5, 6);
    arrow.lineTo(8, 12);
    arrow.lineTo(2.5, 6);
    arrow.lineTo(6, 6);
    arrow.closeSubpath();
    p.setPen(pen(QColor(20, 110, 30)));
    p.setBrush(vertical(0, 12, QColor(140, 230, 120), QColor(30, 150, 40)));
    p.drawPath(arrow);
}

void drawVirusShield(QPainter& p) {
    QPainterPath shield;
    shield.moveTo(8, 0.5);
    shield.cubicTo(10, 1.8, 12.5, 2.2, 14.5, 2.2);
    shield.cubicTo(14.5, 9, 12, 13, 8, 15.5);
    shield.cubicTo(4, 13, 1.5, 9, 1.5, 2.2);
    shield.cubicTo(3.5, 2.2, 6, 1.8, 8, 0.5);
    p.setPen(pen(QColor(20, 50, 130)));
    p.setBrush(vertical(0, 16, QColor(110, 160, 250), QColor(20, 60, 170)));
    p.drawPath(shield);
    const QPointF c(8, 7.5);
    p.setPen(QPen(QColor(200, 20, 20), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        p.drawLine(c, c + QPointF(4 * std::cos(a), 4 * std::sin(a)));
    }
    ball(p, QRectF(c.x() - 2.6, c.y() - 2.6, 5.2, 5.2), QColor(255, 120, 90), QColor(190, 20, 20));
}

void drawWarning(QPainter& p) {
    QPainterPath triangle;
    triangle.moveTo(8, 1);
    triangle.lineTo(15.3, 14.5);
    triangle.lineTo(0.7, 14.5);
    triangle.closeSubpath();
    p.setPen(pen(QColor(150, 100, 0)));
    p.setBrush(vertical(1, 15, QColor(255, 240, 120), QColor(240, 190, 20)));
    p.drawPath(triangle);
    p.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 5.5), QPointF(8, 9.5));
    p.drawPoint(QPointF(8, 12.3));
}

void drawCleanJunk(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 130, 110));
    p.drawEllipse(QRectF(0.5, 12.5, 5, 3));
    p.drawEllipse(QRectF(3, 13.5, 4, 2.3));
    broom(p, QPointF(7, 10.5), 0.85, 35);
    sparkle(p, QPointF(3, 4), 2.6);
    sparkle(p, QPointF(13, 12.5), 2.2);
}

// Group icons, drawn on the same 16 grid at twice the size.
void drawCleaningGroup(QPainter& p) {
    ball(p, QRectF(0.3, 0.3, 15.4, 15.4), QColor(235, 245, 255), QColor(120, 165, 235));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 115, 90));
    p.drawEllipse(QRectF(2, 11.5, 5, 2.6));
    p.drawEllipse(QRectF(4.2, 12.3, 3.6, 2));
    broom(p, QPointF(7.5, 10), 0.8, 35);
    sparkle(p, QPointF(4, 4.3), 2);
    sparkle(p, QPointF(12.3, 11.8), 1.6);
}

void drawStatusGroup(QPainter& p) {
    drawDrive(p);
    p.save();
    p.translate(5, -1);
    p.scale(0.7, 0.7);
    drawSearch(p);
    p.restore();
}

} // namespace

const IconList& icons16() {
    static const IconList list = [] {
        const Drawing drawings[] = {
            drawDocument,           // 0 document
            drawFolder,             // 1 folder
            drawDelete,             // 2 delete
            drawSettings,           // 3 settings
            drawClose,              // 4 close
            drawSave,               // 5 save
            drawSearch,             // 6 search
            drawInfo,               // 7 about
            drawHelp,               // 8 help
            drawFilterFolder,       // 9 filter folders
            drawPreviewList,        // 10 preview list
            drawRecycleBin,         // 11 recycle bin
            drawSystemCleaner,      // 12 system cleaner
            drawHistory,            // 13 history
            drawGlobe,              // 14 web page
            drawDrive,              // 15 disk scanner
            drawComputer,           // 16 computer
            drawUser,               // 17 user
            drawBackground,         // 18 work in the background
            drawStop,               // 19 stop
            drawFileTypes,          // 20 file types
            drawModes,              // 21 operating modes
            drawOtherSystemProfile, // 22 profile of another system
            drawNewUser,            // 23 new user profile
            drawDownload,           // 24 update
            drawVirusShield,        // 25 virus scanner
            drawWarning,            // 26 warning
            drawCleanJunk,          // 27 clean junk
        };
        IconList icons(16);
        for (const Drawing& draw : drawings)
            icons.add(render(16, draw));
        return icons;
    }();
    return list;
}

const IconList& icons32() {
    static const IconList list = [] {
        const Drawing drawings[] = {drawCleaningGroup, drawStatusGroup, drawSettings, drawClose};
        IconList icons(32);
        for (const Drawing& draw : drawings)
            icons.add(render(32, draw));
        return icons;
    }();
    return list;
}

} // namespace ui
