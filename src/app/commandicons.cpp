// Icons of the toolbar, painted at two sizes.
#include "commandicons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <functional>

namespace trellon {

namespace {

constexpr QColor ink{40, 48, 60};
constexpr QColor paper{250, 250, 246};
constexpr QColor accent{32, 112, 200};
constexpr QColor concrete{176, 176, 168};
constexpr QColor rebar{150, 70, 40};
constexpr QColor danger{200, 40, 40};
constexpr QColor success{40, 150, 70};

void page(QPainter& p, QRectF r = {7, 3, 18, 24})
{
    p.setPen(QPen(ink, 1.4));
    p.setBrush(paper);
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 5, r.top());
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.drawPath(path);
}

void textLines(QPainter& p, qreal x, qreal y, int lines, qreal width)
{
    p.setPen(QPen(concrete.darker(130), 1.6));
    for (int i = 0; i < lines; ++i)
        p.drawLine(QPointF(x, y + 4 * i), QPointF(x + width, y + 4 * i));
}

void badge(QPainter& p, const QColor& colour, const QString& letters, QRectF r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(r, 2.5, 2.5);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(letters.size() > 1 ? 7 : 11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, letters);
}

void printer(QPainter& p)
{
    p.setPen(QPen(ink, 1.4));
    p.setBrush(paper);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(concrete);
    p.drawRoundedRect(QRectF(4, 12, 24, 11), 2, 2);
    p.setBrush(paper);
    p.drawRect(QRectF(9, 19, 14, 9));
    p.setBrush(success);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(24.5, 15.5), 1.4, 1.4);
}

void rows(QPainter& p, int highlighted)
{
    p.setPen(QPen(ink, 1.2));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == highlighted ? QColor(accent).lighter(160) : paper);
        p.drawRect(QRectF(3, 5 + 8 * i, 18, 6));
    }
}

void plus(QPainter& p, QPointF centre)
{
    p.setPen(Qt::NoPen);
    p.setBrush(success);
    p.drawEllipse(centre, 6, 6);
    p.setPen(QPen(Qt::white, 2.2));
    p.drawLine(centre - QPointF(3.2, 0), centre + QPointF(3.2, 0));
    p.drawLine(centre - QPointF(0, 3.2), centre + QPointF(0, 3.2));
}

void paint(QPainter& p, CommandIcon icon)
{
    switch (icon) {
    case CommandIcon::open: {
        p.setPen(QPen(ink, 1.4));
        p.setBrush(QColor(236, 190, 90));
        p.drawRect(QRectF(3, 8, 24, 18));
        p.setBrush(QColor(250, 214, 120));
        QPainterPath flap;
        flap.moveTo(3, 26);
        flap.lineTo(8, 14);
        flap.lineTo(30, 14);
        flap.lineTo(27, 26);
        flap.closeSubpath();
        p.drawPath(flap);
        return;
    }
    case CommandIcon::save:
        p.setPen(QPen(ink, 1.4));
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(paper);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(concrete);
        p.drawRect(QRectF(8, 18, 16, 10));
        return;
    case CommandIcon::print:
        printer(p);
        return;
    case CommandIcon::printSettings:
        printer(p);
        p.setPen(QPen(accent, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(24, 24), 4.5, 4.5);
        return;
    case CommandIcon::printPreview:
        page(p, {4, 3, 18, 24});
        textLines(p, 7, 10, 3, 11);
        p.setPen(QPen(ink, 2));
        p.setBrush(QColor(200, 225, 250, 200));
        p.drawEllipse(QPointF(19, 19), 6, 6);
        p.setPen(QPen(ink, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(23.5, 23.5), QPointF(29, 29));
        return;
    case CommandIcon::saveBmp:
        p.setPen(QPen(ink, 1.4));
        p.setBrush(QColor(200, 228, 250));
        p.drawRect(QRectF(3, 5, 26, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(success);
        p.drawPolygon(QPolygonF({QPointF(4, 24), QPointF(12, 13), QPointF(18, 20), QPointF(22, 16), QPointF(28, 24)}));
        badge(p, accent, QStringLiteral("BMP"), {9, 22, 20, 9});
        return;
    case CommandIcon::saveTxt:
        page(p);
        textLines(p, 10, 10, 3, 11);
        badge(p, ink, QStringLiteral("TXT"), {9, 20, 20, 9});
        return;
    case CommandIcon::wordReport:
        page(p);
        textLines(p, 10, 9, 3, 11);
        badge(p, QColor(40, 90, 170), QStringLiteral("W"), {4, 14, 14, 14});
        return;
    case CommandIcon::excelReport:
        page(p);
        p.setPen(QPen(concrete.darker(130), 1));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(10, 8 + 4 * i), QPointF(22, 8 + 4 * i));
        p.drawLine(QPointF(16, 8), QPointF(16, 20));
        badge(p, QColor(30, 120, 60), QStringLiteral("X"), {4, 14, 14, 14});
        return;
    case CommandIcon::dataTransfer:
        p.setPen(QPen(ink, 1.4));
        p.setBrush(QColor(250, 200, 60));
        p.drawRoundedRect(QRectF(2, 6, 11, 20), 2, 2);
        p.setBrush(QColor(90, 140, 90));
        p.drawRect(QRectF(4, 9, 7, 6));
        p.setBrush(concrete);
        p.drawRect(QRectF(18, 8, 12, 10));
        p.drawRect(QRectF(21, 19, 6, 2));
        p.drawRect(QRectF(17, 21, 14, 2));
        p.setPen(QPen(accent, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(13, 13), QPointF(17, 13));
        p.drawLine(QPointF(15, 11), QPointF(17, 13));
        p.drawLine(QPointF(15, 15), QPointF(17, 13));
        return;
    case CommandIcon::controlPanel:
        p.setPen(QPen(ink, 1.4));
        p.setBrush(paper);
        p.drawRect(QRectF(3, 5, 26, 22));
        p.setBrush(QColor(accent).lighter(150));
        p.drawRect(QRectF(3, 5, 10, 22));
        textLines(p, 5, 10, 4, 6);
        return;
    case CommandIcon::projectInformation:
        p.setPen(QPen(ink, 1.4));
        p.setBrush(QColor(205, 160, 110));
        p.drawRoundedRect(QRectF(6, 5, 20, 24), 2, 2);
        p.setBrush(paper);
        p.drawRect(QRectF(9, 9, 14, 17));
        p.setBrush(concrete.darker(120));
        p.drawRoundedRect(QRectF(11, 3, 10, 5), 1.5, 1.5);
        textLines(p, 11, 13, 3, 10);
        return;
    case CommandIcon::insertRowAbove:
        rows(p, 0);
        plus(p, {24, 9});
        return;
    case CommandIcon::insertRowBelow:
        rows(p, 2);
        plus(p, {24, 23});
        return;
    case CommandIcon::deleteBar:
        p.setPen(Qt::NoPen);
        p.setBrush(concrete);
        p.drawRect(QRectF(2, 6, 28, 20));
        p.setBrush(rebar);
        p.drawEllipse(QPointF(10, 16), 4.5, 4.5);
        p.drawEllipse(QPointF(22, 16), 4.5, 4.5);
        p.setPen(QPen(danger, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 9), QPointF(28, 23));
        p.drawLine(QPointF(28, 9), QPointF(16, 23));
        return;
    case CommandIcon::about: {
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(QRectF(4, 4, 24, 24));
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setBold(true);
        font.setPixelSize(18);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(4, 4, 24, 24), Qt::AlignCenter, QStringLiteral("i"));
        return;
    }
    default:
        return;
    }
}

QPixmap render(int size, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    draw(painter);
    return pixmap;
}

} // namespace

QIcon commandIcon(CommandIcon icon)
{
    switch (icon) {
    case CommandIcon::none:
        return {};
    // The desktop's own where it has them.
    case CommandIcon::undo:
        return QIcon::fromTheme(QStringLiteral("edit-undo"), QApplication::style()->standardIcon(QStyle::SP_ArrowBack));
    case CommandIcon::redo:
        return QIcon::fromTheme(QStringLiteral("edit-redo"),
                                QApplication::style()->standardIcon(QStyle::SP_ArrowForward));
    default:
        break;
    }
    QIcon painted;
    for (int size : {32, 64})
        painted.addPixmap(render(size, [icon](QPainter& p) { paint(p, icon); }));
    return painted;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {32, 64, 128}) {
        icon.addPixmap(render(size, [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(concrete);
            p.drawRoundedRect(QRectF(2, 8, 28, 22), 3, 3);
            p.setBrush(rebar);
            p.drawEllipse(QPointF(10, 22), 3.5, 3.5);
            p.drawEllipse(QPointF(22, 22), 3.5, 3.5);
            p.setBrush(accent);
            p.drawRoundedRect(QRectF(6, 2, 20, 6), 2, 2);
            p.setPen(QPen(accent, 1.5, Qt::DashLine));
            p.drawLine(QPointF(10, 8), QPointF(10, 18));
        }));
    }
    return icon;
}

} // namespace trellon
