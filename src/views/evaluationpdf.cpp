// Evaluation report PDF.
#include "evaluationpdf.h"

#include "evaluationdocument.h"

#include "model/atomicfile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdint>
#include <span>

namespace trellon {
namespace {

constexpr int pdfResolution = 600;
constexpr double marginMm = 18.0;
constexpr double footerPoints = 20.0;

// Lays the report out on the writer's pages, in its own units so that text and histograms take their sizes on
// paper, and paints them with their page numbers.
bool paintReport(QPdfWriter& writer, QTextDocument& document)
{
    document.documentLayout()->setPaintDevice(&writer);
    const double footer = footerPoints * writer.resolution() / 72.0;
    const QSizeF body(writer.width(), writer.height() - footer);
    document.setPageSize(body);
    const int pages = document.pageCount();

    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont footerFont(QStringLiteral("宋体"));
    footerFont.setPointSizeF(9);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !writer.newPage())
            return false;
        painter.save();
        painter.translate(0, -page * body.height());
        document.drawContents(&painter, QRectF(QPointF(0, page * body.height()), body));
        painter.restore();
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, body.height(), body.width(), footer), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("第 %1 页  共 %2 页").arg(page + 1).arg(pages));
    }
    return painter.end();
}

} // namespace

QByteArray renderEvaluationPdf(const Project& project, const AcceptanceEvaluation& evaluation,
                               const QString& projectName)
{
    const std::unique_ptr<QTextDocument> document = evaluationDocument(project, evaluation, projectName);
    document->setDocumentMargin(0);
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(pdfResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
        writer.setCreator(QStringLiteral("Trellon"));
        writer.setTitle(projectName);
        const bool painted = paintReport(writer, *document);
        // The layout must not keep the writer, which goes before the document.
        document->documentLayout()->setPaintDevice(nullptr);
        if (!painted)
            return {};
    }
    return pdf;
}

Status writeEvaluationPdf(const std::string& path, const Project& project, const AcceptanceEvaluation& evaluation,
                          const QString& projectName)
{
    const QByteArray pdf = renderEvaluationPdf(project, evaluation, projectName);
    if (pdf.isEmpty())
        return Error{ErrorKind::cannotWrite, "the evaluation report could not be painted into a PDF", std::nullopt};
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(pdf.constData()), static_cast<std::size_t>(pdf.size()));
    return writeFileAtomically(path, bytes, "cannot create the PDF file");
}

} // namespace trellon
