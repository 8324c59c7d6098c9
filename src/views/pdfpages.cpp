// PDF of the printed pages.
#include "pdfpages.h"

#include "printedpages.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace trellon {

namespace {

constexpr int pdfResolution = 1200;
// A common printer's unprintable border; the page layout is placed from the printable area's corner.
constexpr double printableMarginPoints = 18.0;

} // namespace

QByteArray renderPdfPages(const PrintedPages& pages, const QString& title)
{
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(pdfResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(
            QMarginsF(printableMarginPoints, printableMarginPoints, printableMarginPoints, printableMarginPoints),
            QPageLayout::Point);
        writer.setCreator(QStringLiteral("Trellon"));
        writer.setTitle(title);
        if (!pages.paintAllPages(writer))
            return {};
    }
    return pdf;
}

} // namespace trellon
