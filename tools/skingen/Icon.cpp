#include "Icon.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace keyloom::skingen {

namespace {

// Icons are drawn on a 24 x 24 grid centred on the origin.
constexpr double kGrid = 24.0;
constexpr double kStroke = 1.8;

void Line(QPainter& p, double x1, double y1, double x2, double y2) {
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Dot(QPainter& p, double x, double y, double radius) {
    p.save();
    p.setBrush(p.pen().color());
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(x, y), radius, radius);
    p.restore();
}

void ArrowHead(QPainter& p, QPointF tip, QPointF direction) {
    const QPointF back = tip - direction * 3.5;
    const QPointF side(-direction.y() * 3.5, direction.x() * 3.5);
    p.drawPolyline(std::array{back + side, tip, back - side}.data(), 3);
}

void Menu(QPainter& p) {
    for (const double y : {-6.0, 0.0, 6.0}) {
        Line(p, -7, y, 7, y);
    }
}

void Help(QPainter& p) {
    p.drawEllipse(QPointF(0, 0), 9.5, 9.5);
    QPainterPath hook;
    hook.moveTo(-3.2, -2.8);
    hook.cubicTo(-3.2, -7.2, 3.6, -7.2, 3.6, -3.0);
    hook.cubicTo(3.6, -0.4, 0, 0, 0, 2.6);
    p.drawPath(hook);
    Dot(p, 0, 6.0, 1.3);
}

void Minimise(QPainter& p) {
    Line(p, -6.5, 0.5, 6.5, 0.5);
}

void Close(QPainter& p) {
    Line(p, -6, -6, 6, 6);
    Line(p, 6, -6, -6, 6);
}

void Globe(QPainter& p) {
    p.drawEllipse(QPointF(0, 0), 9, 9);
    p.drawEllipse(QPointF(0, 0), 4, 9);
    Line(p, -9, 0, 9, 0);
    Line(p, -7.5, -4.5, 7.5, -4.5);
    Line(p, -7.5, 4.5, 7.5, 4.5);
}

void People(QPainter& p) {
    p.drawEllipse(QPointF(-3.5, -4), 3.2, 3.2);
    p.drawEllipse(QPointF(5, -3), 2.5, 2.5);
    p.drawArc(QRectF(-10, 1, 13, 12), 0, 180 * 16);
    p.drawArc(QRectF(2.5, 2, 8, 9), 0, 180 * 16);
}

void Chat(QPainter& p) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(-9.5, -8, 19, 13), 4, 4);
    p.drawPath(bubble);
    p.drawPolyline(std::array{QPointF(-5, 5), QPointF(-6.5, 9.5), QPointF(-0.5, 5)}.data(), 3);
    for (const double x : {-4.5, 0.0, 4.5}) {
        Dot(p, x, -1.5, 1.1);
    }
}

void Share(QPainter& p) {
    const QPointF from(-6, 0);
    const QPointF up(6, -6.5);
    const QPointF down(6, 6.5);
    Line(p, from.x(), from.y(), up.x(), up.y());
    Line(p, from.x(), from.y(), down.x(), down.y());
    for (const QPointF& node : {from, up, down}) {
        Dot(p, node.x(), node.y(), 2.6);
    }
}

void Folder(QPainter& p) {
    QPainterPath folder;
    folder.moveTo(-10, -6);
    folder.lineTo(-3.5, -6);
    folder.lineTo(-1.5, -3.5);
    folder.lineTo(10, -3.5);
    folder.lineTo(10, 8);
    folder.lineTo(-10, 8);
    folder.closeSubpath();
    p.drawPath(folder);
    Line(p, -10, -0.5, 10, -0.5);
}

void Diamond(QPainter& p, double y) {
    p.drawPolygon(
        std::array{QPointF(0, y - 4.5), QPointF(9, y), QPointF(0, y + 4.5), QPointF(-9, y)}.data(),
        4);
}

void Layers(QPainter& p) {
    p.drawPolyline(std::array{QPointF(-9, 3), QPointF(0, 7.5), QPointF(9, 3)}.data(), 3);
    p.drawPolyline(std::array{QPointF(-9, 6.5), QPointF(0, 11), QPointF(9, 6.5)}.data(), 3);
    Diamond(p, -3);
}

void Macro(QPainter& p) {
    for (const double y : {-6.0, 0.0, 6.0}) {
        Line(p, -9, y, -1, y);
    }
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(std::array{QPointF(3, -5), QPointF(10, 0), QPointF(3, 5)}.data(), 3);
    p.restore();
}

void Restore(QPainter& p) {
    p.drawArc(QRectF(-8, -8, 16, 16), 100 * 16, 290 * 16);
    ArrowHead(p, QPointF(-1.4, -7.9), QPointF(-1, 0));
}

void Swap(QPainter& p) {
    Line(p, -3.5, 8, -3.5, -8);
    ArrowHead(p, QPointF(-3.5, -8), QPointF(0, -1));
    Line(p, 3.5, -8, 3.5, 8);
    ArrowHead(p, QPointF(3.5, 8), QPointF(0, 1));
}

void Keyboard(QPainter& p) {
    QPainterPath body;
    body.addRoundedRect(QRectF(-11, -7, 22, 14), 2.5, 2.5);
    p.drawPath(body);
    for (const double y : {-3.0, 0.5}) {
        for (double x = -7.5; x <= 7.6; x += 3.75) {
            Dot(p, x, y, 0.9);
        }
    }
    Line(p, -5, 4, 5, 4);
}

void Media(QPainter& p) {
    Line(p, -2, 6, -2, -8);
    Line(p, -2, -8, 7, -10);
    Line(p, 7, -10, 7, 4);
    p.save();
    p.setBrush(p.pen().color());
    p.drawEllipse(QPointF(-5, 6), 3, 2.4);
    p.drawEllipse(QPointF(4, 4), 3, 2.4);
    p.restore();
}

void Function(QPainter& p) {
    QPainterPath f;
    f.moveTo(3, -9);
    f.cubicTo(-1, -10, -3, -8, -3.5, -4);
    f.lineTo(-5, 9);
    p.drawPath(f);
    Line(p, -7, -2.5, 1, -2.5);
    Line(p, 2, -1, 9, 7);
    Line(p, 9, -1, 2, 7);
}

void Eraser(QPainter& p) {
    p.save();
    p.rotate(-40);
    QPainterPath body;
    body.addRoundedRect(QRectF(-8, -4.5, 16, 9), 1.8, 1.8);
    p.drawPath(body);
    Line(p, -1, -4.5, -1, 4.5);
    p.restore();
    Line(p, -2, 9, 10, 9);
}

void Plus(QPainter& p) {
    Line(p, -7, 0, 7, 0);
    Line(p, 0, -7, 0, 7);
}

void Trash(QPainter& p) {
    Line(p, -9, -6, 9, -6);
    p.drawPolyline(
        std::array{QPointF(-3, -6), QPointF(-3, -9), QPointF(3, -9), QPointF(3, -6)}.data(), 4);
    p.drawPolyline(
        std::array{QPointF(-7, -6), QPointF(-6, 9), QPointF(6, 9), QPointF(7, -6)}.data(), 4);
    Line(p, -2.2, -2, -2, 5.5);
    Line(p, 2.2, -2, 2, 5.5);
}

void Record(QPainter& p) {
    Dot(p, 0, 0, 6);
}

void Chip(QPainter& p) {
    QPainterPath body;
    body.addRoundedRect(QRectF(-6.5, -6.5, 13, 13), 1.8, 1.8);
    p.drawPath(body);
    for (const double at : {-3.5, 0.0, 3.5}) {
        Line(p, at, -10, at, -6.5);
        Line(p, at, 6.5, at, 10);
        Line(p, -10, at, -6.5, at);
        Line(p, 6.5, at, 10, at);
    }
    Dot(p, -3, -3, 1.2);
}

void Tray(QPainter& p) {
    p.drawPolyline(std::array{QPointF(-9, 3), QPointF(-9, 9), QPointF(9, 9), QPointF(9, 3)}.data(),
                   4);
}

void Upload(QPainter& p) {
    Tray(p);
    Line(p, 0, 5, 0, -9);
    ArrowHead(p, QPointF(0, -9), QPointF(0, -1));
}

void Save(QPainter& p) {
    Tray(p);
    Line(p, 0, -9, 0, 5);
    ArrowHead(p, QPointF(0, 5), QPointF(0, 1));
}

void Brush(QPainter& p) {
    Line(p, 9, -9, 0, 1);
    QPainterPath tip;
    tip.moveTo(-1.5, -0.5);
    tip.cubicTo(-5, -1, -6, 3, -6.5, 5);
    tip.cubicTo(-7, 7.5, -9, 8.5, -10, 9);
    tip.cubicTo(-5, 10, 1, 9, 1.5, 2.5);
    tip.closeSubpath();
    p.save();
    p.setBrush(p.pen().color());
    p.drawPath(tip);
    p.restore();
}

void Drop(QPainter& p) {
    QPainterPath drop;
    drop.moveTo(0, -10);
    drop.cubicTo(4, -4, 8, 0, 8, 3.5);
    drop.cubicTo(8, 8, 4.5, 10.5, 0, 10.5);
    drop.cubicTo(-4.5, 10.5, -8, 8, -8, 3.5);
    drop.cubicTo(-8, 0, -4, -4, 0, -10);
    p.drawPath(drop);
    p.drawArc(QRectF(-4.5, 1, 7, 7), 180 * 16, 90 * 16);
}

void Arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF delta = to - from;
    const double length = std::hypot(delta.x(), delta.y());
    ArrowHead(p, to, delta / length);
}

void ArrowLeft(QPainter& p) {
    Arrow(p, QPointF(8, 0), QPointF(-8, 0));
}

void ArrowRight(QPainter& p) {
    Arrow(p, QPointF(-8, 0), QPointF(8, 0));
}

void ArrowUp(QPainter& p) {
    Arrow(p, QPointF(0, 8), QPointF(0, -8));
}

void ArrowDown(QPainter& p) {
    Arrow(p, QPointF(0, -8), QPointF(0, 8));
}

void Spread(QPainter& p) {
    Dot(p, 0, 0, 1.8);
    Arrow(p, QPointF(-3.5, 0), QPointF(-10, 0));
    Arrow(p, QPointF(3.5, 0), QPointF(10, 0));
}

void Gather(QPainter& p) {
    Dot(p, 0, 0, 1.8);
    Arrow(p, QPointF(-10.5, 0), QPointF(-4, 0));
    Arrow(p, QPointF(10.5, 0), QPointF(4, 0));
}

struct IconDrawing {
    Icon icon;
    void (*draw)(QPainter&);
};

constexpr std::array<IconDrawing, 31> kDrawings = {{
    {Icon::kMenu, Menu},         {Icon::kHelp, Help},           {Icon::kMinimise, Minimise},
    {Icon::kClose, Close},       {Icon::kGlobe, Globe},         {Icon::kPeople, People},
    {Icon::kChat, Chat},         {Icon::kShare, Share},         {Icon::kFolder, Folder},
    {Icon::kLayers, Layers},     {Icon::kMacro, Macro},         {Icon::kRestore, Restore},
    {Icon::kSwap, Swap},         {Icon::kKeyboard, Keyboard},   {Icon::kMedia, Media},
    {Icon::kFunction, Function}, {Icon::kEraser, Eraser},       {Icon::kPlus, Plus},
    {Icon::kTrash, Trash},       {Icon::kRecord, Record},       {Icon::kChip, Chip},
    {Icon::kUpload, Upload},     {Icon::kSave, Save},           {Icon::kBrush, Brush},
    {Icon::kDrop, Drop},         {Icon::kArrowLeft, ArrowLeft}, {Icon::kArrowRight, ArrowRight},
    {Icon::kArrowUp, ArrowUp},   {Icon::kArrowDown, ArrowDown}, {Icon::kSpread, Spread},
    {Icon::kGather, Gather},
}};

}  // namespace

void PaintIcon(QPainter& painter, const QRectF& box, Icon icon, const QColor& colour) {
    const auto found = std::find_if(kDrawings.begin(), kDrawings.end(),
                                    [icon](const IconDrawing& d) { return d.icon == icon; });
    if (found == kDrawings.end()) {
        return;
    }
    const double scale = std::min(box.width(), box.height()) / kGrid;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.setPen(QPen(colour, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    found->draw(painter);
    painter.restore();
}

}  // namespace keyloom::skingen
