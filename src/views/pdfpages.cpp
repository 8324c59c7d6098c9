// PDF of the printed pages.
#include "pdfpages.h"

#include "model/atomicfile.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <cstdint>
#include <span>

namespace trellon {

namespace {

constexpr int pdfResolution = 1200;
// A common printer's unprintable border; the page layout is placed from the printable area's corner.
constexpr double printableMarginPoints = double{sheet::printableMargin} / 20;

} // namespace

QByteArray renderPdfPages(const PagedDocument& pages, const QString& title, const PageProgress& progress)
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
        if (!paintPages(pages, writer, 1, pages.pageCount(), progress))
            return {};
    }
    return pdf;
}

Status writePdfFile(const std::string& path, const QByteArray& pdf, const std::string& unpainted)
{
    if (pdf.isEmpty())
        return Error{ErrorKind::cannotWrite, unpainted, std::nullopt};
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(pdf.constData()), static_cast<std::size_t>(pdf.size()));
    return writeFileAtomically(path, bytes, "cannot create the PDF file");
}

} // namespace trellon
