// Diagram pictures for bitmap files.
#include "diagrambitmap.h"

#include "griddiagram.h"
#include "sectiondiagram.h"

#include <QList>
#include <QPainter>
#include <QScreen>

namespace trellon {

namespace {

constexpr int headlessDepth = 24;

QList<QRgb> monochromePalette()
{
    return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
}

// The sixteen colours of the standard 4-bit palette, in its order.
QList<QRgb> sixteenColourPalette()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// Twenty static colours at both ends, between them a 6 × 6 × 6 colour cube and twenty greys.
QList<QRgb> twoHundredFiftySixColourPalette()
{
    QList<QRgb> palette = {qRgb(0, 0, 0),       qRgb(128, 0, 0),    qRgb(0, 128, 0),   qRgb(128, 128, 0),
                           qRgb(0, 0, 128),     qRgb(128, 0, 128),  qRgb(0, 128, 128), qRgb(192, 192, 192),
                           qRgb(192, 220, 192), qRgb(166, 202, 240)};
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette << qRgb(51 * r, 51 * g, 51 * b);
    for (int i = 1; i <= 20; ++i)
        palette << qRgb(12 * i, 12 * i, 12 * i);
    palette << QList<QRgb>{qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128), qRgb(255, 0, 0),
                           qRgb(0, 255, 0),     qRgb(255, 255, 0),   qRgb(0, 0, 255),     qRgb(255, 0, 255),
                           qRgb(0, 255, 255),   qRgb(255, 255, 255)};
    return palette;
}

QList<QRgb> defaultPalette(int bits)
{
    switch (bits) {
    case 1:
        return monochromePalette();
    case 4:
        return sixteenColourPalette();
    default:
        return twoHundredFiftySixColourPalette();
    }
}

} // namespace

int resolvedColourDepth(int request, const QScreen* screen)
{
    if (request != displayDepthRequest)
        return request;
    return screen != nullptr ? screen->depth() : headlessDepth;
}

QImage renderDiagramPicture(DiagramKind kind, QSize size, const MemberRecord* member, PassColours colours)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const QRect area(QPoint(0, 0), size);
    if (kind == DiagramKind::section)
        paintSectionDiagram(painter, area, member, DiagramTitle::omitted, colours);
    else
        paintGridDiagram(painter, area, member, DiagramTitle::omitted, colours);
    return picture;
}

BitmapPicture bitmapPictureOf(const QImage& picture, int colourDepth)
{
    BitmapPicture out;
    out.width = picture.width();
    out.height = picture.height();
    out.bitsPerPixel = bitmapBitsForDepth(colourDepth);
    out.pixels.reserve(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    if (out.bitsPerPixel > 8) {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x)
                out.pixels.push_back(line[x] & 0xFFFFFFu);
        }
        return out;
    }
    const QList<QRgb> palette = defaultPalette(out.bitsPerPixel);
    for (const QRgb entry : palette)
        out.colourTable.push_back({static_cast<std::uint8_t>(qRed(entry)), static_cast<std::uint8_t>(qGreen(entry)),
                                   static_cast<std::uint8_t>(qBlue(entry))});
    const QImage indexed =
        picture.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x)
            out.pixels.push_back(line[x]);
    }
    return out;
}

} // namespace trellon
