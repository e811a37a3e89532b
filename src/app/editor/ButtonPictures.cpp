#include "ButtonPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace travo {
namespace {

const QColor kInk(40, 48, 64);

void Folder(QPainter& p, const QRectF& r, QColor fill) {
    QPainterPath back;
    back.moveTo(r.left(), r.top() + r.height() * 0.15);
    back.lineTo(r.left() + r.width() * 0.38, r.top() + r.height() * 0.15);
    back.lineTo(r.left() + r.width() * 0.48, r.top() + r.height() * 0.3);
    back.lineTo(r.right(), r.top() + r.height() * 0.3);
    back.lineTo(r.right(), r.bottom());
    back.lineTo(r.left(), r.bottom());
    back.closeSubpath();
    p.setBrush(fill.darker(115));
    p.drawPath(back);
    QPainterPath flap;
    flap.moveTo(r.left() + r.width() * 0.12, r.top() + r.height() * 0.45);
    flap.lineTo(r.right() + r.width() * 0.08, r.top() + r.height() * 0.45);
    flap.lineTo(r.right(), r.bottom());
    flap.lineTo(r.left(), r.bottom());
    flap.closeSubpath();
    p.setBrush(fill);
    p.drawPath(flap);
}

void Arrow(QPainter& p, QPointF from, QPointF to, QColor color, double width) {
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    const double head = width * 2.2;
    QPolygonF tip({to + u * head * 0.6, to - u * head + n * head, to - u * head - n * head});
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(tip);
}

void CheckMark(QPainter& p, const QRectF& r) {
    p.setPen(
        QPen(QColor(20, 140, 40), r.width() * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(r.left() + r.width() * 0.12, r.top() + r.height() * 0.55);
    path.lineTo(r.left() + r.width() * 0.4, r.top() + r.height() * 0.82);
    path.lineTo(r.right() - r.width() * 0.08, r.top() + r.height() * 0.18);
    p.drawPath(path);
}

void Cross(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(200, 30, 30), r.width() * 0.16, Qt::SolidLine, Qt::RoundCap));
    const QRectF c =
        r.adjusted(r.width() * 0.18, r.height() * 0.18, -r.width() * 0.18, -r.height() * 0.18);
    p.drawLine(c.topLeft(), c.bottomRight());
    p.drawLine(c.topRight(), c.bottomLeft());
}

void ResetArrow(QPainter& p, const QRectF& r) {
    const QColor orange(225, 120, 20);
    const double w = r.width() * 0.13;
    p.setPen(QPen(orange, w, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring = r.adjusted(w, w, -w, -w);
    p.drawArc(ring, 100 * 16, 290 * 16);
    const QPointF end(ring.center().x() + ring.width() / 2 * std::cos(100 * M_PI / 180),
                      ring.center().y() - ring.height() / 2 * std::sin(100 * M_PI / 180));
    p.setPen(Qt::NoPen);
    p.setBrush(orange);
    p.drawPolygon(QPolygonF({end + QPointF(w * 2.2, -w * 0.2), end + QPointF(-w * 0.6, -w * 2.2),
                             end + QPointF(-w * 0.6, w * 1.8)}));
}

void Gear(QPainter& p, const QRectF& r) {
    const QPointF c = r.center();
    const double outer = r.width() / 2, inner = outer * 0.72;
    QPainterPath path;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = i * M_PI / teeth, a1 = (i + 1) * M_PI / teeth;
        const double rad = (i % 2 == 0) ? outer : inner;
        const QPointF p0 = c + QPointF(std::cos(a0), std::sin(a0)) * rad;
        const QPointF p1 = c + QPointF(std::cos(a1), std::sin(a1)) * rad;
        if (i == 0)
            path.moveTo(p0);
        else
            path.lineTo(p0);
        path.lineTo(p1);
    }
    path.closeSubpath();
    path.addEllipse(c, outer * 0.3, outer * 0.3);
    p.setBrush(QColor(120, 140, 170));
    p.drawPath(path);
}

void Document(QPainter& p, const QRectF& r) {
    QPainterPath page;
    const double fold = r.width() * 0.3;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setPen(QPen(QColor(150, 160, 180), 1.2));
    for (int i = 1; i <= 3; ++i) {
        const double y = r.top() + r.height() * (0.25 + 0.18 * i);
        p.drawLine(QPointF(r.left() + r.width() * 0.18, y),
                   QPointF(r.right() - r.width() * 0.18, y));
    }
}

void DrawIcon(QPainter& p, Glyph glyph, const QRectF& r) {
    p.setPen(QPen(kInk, std::max(1.0, r.width() / 16), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (glyph) {
    case Glyph::Open:
        Folder(p, r.adjusted(0, r.height() * 0.1, -r.width() * 0.08, 0), {240, 190, 70});
        break;
    case Glyph::Browse: {
        Folder(p, r.adjusted(0, r.height() * 0.1, -r.width() * 0.3, 0), {240, 190, 70});
        const QRectF lens(r.left() + r.width() * 0.5, r.top() + r.height() * 0.3, r.width() * 0.34,
                          r.width() * 0.34);
        p.setBrush(QColor(210, 235, 255));
        p.drawEllipse(lens);
        p.setPen(QPen(kInk, r.width() / 9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(lens.bottomRight() - QPointF(lens.width() * 0.12, lens.height() * 0.12),
                   QPointF(r.right(), r.bottom()));
        break;
    }
    case Glyph::Print: {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(r.left() + r.width() * 0.25, r.top(), r.width() * 0.5, r.height() * 0.4));
        p.setBrush(QColor(150, 160, 175));
        p.drawRoundedRect(
            QRectF(r.left(), r.top() + r.height() * 0.35, r.width(), r.height() * 0.4), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.62,
                          r.width() * 0.56, r.height() * 0.38));
        p.setBrush(QColor(40, 200, 60));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(r.right() - r.width() * 0.13, r.top() + r.height() * 0.47),
                      r.width() * 0.05, r.width() * 0.05);
        break;
    }
    case Glyph::ToDevice: {
        const QRectF box(r.left() + r.width() * 0.1, r.top() + r.height() * 0.45, r.width() * 0.8,
                         r.height() * 0.55);
        p.setBrush(QColor(90, 110, 140));
        p.drawRoundedRect(box, 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 230, 120));
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(box.left() + box.width() * (0.25 + 0.25 * i), box.center().y()),
                          box.height() * 0.1, box.height() * 0.1);
        Arrow(p, QPointF(r.center().x(), r.top()),
              QPointF(r.center().x(), r.top() + r.height() * 0.36), QColor(20, 140, 40),
              r.width() / 8);
        break;
    }
    case Glyph::Save: {
        p.setBrush(QColor(60, 110, 200));
        p.drawRoundedRect(r, 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.08, r.width() * 0.6,
                          r.height() * 0.38));
        p.setBrush(QColor(200, 210, 225));
        p.drawRect(QRectF(r.left() + r.width() * 0.28, r.top() + r.height() * 0.6, r.width() * 0.44,
                          r.height() * 0.4));
        break;
    }
    case Glyph::Message: {
        p.setBrush(Qt::white);
        const QRectF env = r.adjusted(0, r.height() * 0.18, 0, -r.height() * 0.18);
        p.drawRect(env);
        p.drawPolyline(QPolygonF(
            {env.topLeft(), QPointF(env.center().x(), env.center().y() + 2), env.topRight()}));
        break;
    }
    case Glyph::Reset: ResetArrow(p, r); break;
    case Glyph::Settings: Gear(p, r); break;
    case Glyph::Cancel: Cross(p, r); break;
    case Glyph::Check: CheckMark(p, r); break;
    case Glyph::OpenFile: {
        Document(p, r.adjusted(0, 0, -r.width() * 0.25, 0));
        Arrow(p, QPointF(r.left() + r.width() * 0.45, r.center().y() + r.height() * 0.15),
              QPointF(r.right(), r.center().y() + r.height() * 0.15), QColor(20, 140, 40),
              r.width() / 9);
        break;
    }
    case Glyph::Fix: {
        p.save();
        p.translate(r.center());
        p.rotate(45);
        const double len = r.height() * 1.1, w = r.width() * 0.28;
        p.setBrush(QColor(60, 110, 200));
        p.drawRect(QRectF(-w / 2, -len / 2, w, len * 0.75));
        p.setBrush(QColor(240, 200, 150));
        p.drawPolygon(QPolygonF(
            {QPointF(-w / 2, len * 0.25), QPointF(w / 2, len * 0.25), QPointF(0, len / 2)}));
        p.restore();
        break;
    }
    }
}

} // namespace

QPixmap DrawPicture(Glyph glyph, int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width, height) - 4.0;
    const QRectF r((width - side) / 2, (height - side) / 2, side, side);
    DrawIcon(p, glyph, r);
    return pixmap;
}

std::vector<QPixmap> MainButtonPictures() {
    std::vector<QPixmap> list;
    for (Glyph g : {Glyph::Open, Glyph::Print, Glyph::ToDevice, Glyph::Save, Glyph::Message,
                    Glyph::Reset, Glyph::Settings, Glyph::Cancel, Glyph::OpenFile, Glyph::Browse}) {
        list.push_back(DrawPicture(g, 90, 32));
    }
    return list;
}

std::vector<QPixmap> ErrorDialogPictures() {
    return {DrawPicture(Glyph::Reset, 24, 22), DrawPicture(Glyph::Check, 24, 22),
            DrawPicture(Glyph::Fix, 24, 22)};
}

std::vector<QPixmap> OkDialogPictures() {
    return {DrawPicture(Glyph::Cancel, 24, 22), DrawPicture(Glyph::Check, 24, 22)};
}

std::vector<QPixmap> KeyPromptPictures() {
    return {DrawPicture(Glyph::Check, 24, 22), DrawPicture(Glyph::Cancel, 24, 22)};
}

} // namespace travo
