// The PDF export command.
#include "pdfexportcommand.h"

#include "cmainframe.h"

#include "model/atomicfile.h"
#include "views/printedpages.h"
#include "widgets/userprompts.h"
#include "widgets/waitcursor.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>

#include <cstdint>
#include <span>

namespace trellon {

namespace {

// The page set-up of trellon-cli pdf, so that both write the same pages.
constexpr int pdfResolution = 1200;
constexpr double printableMarginPoints = 18.0;

Status writePdf(const std::string& path, const PrintedPages& pages, const QString& title)
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
            return Error{ErrorKind::cannotWrite, "the pages could not be painted into a PDF", std::nullopt};
    }
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(pdf.constData()), static_cast<std::size_t>(pdf.size()));
    return writeFileAtomically(path, bytes, "cannot create the PDF file");
}

} // namespace

void exportPdf(CMainFrame& frame)
{
    const Project* project = frame.document().project();
    if (project == nullptr)
        return;
    UserPrompts& prompts = frame.prompts();
    const PrintedPages pages(*project, frame.printSettings());
    if (pages.pageCount() == 0) {
        // The print run's own words.
        prompts.showMessage(
            &frame, QCoreApplication::translate("PrintRun", "没有可打印的内容：请先在控制面板中勾选要打印的构件。"));
        return;
    }
    QString path = prompts.chooseFileToSave(&frame, QCoreApplication::translate("PdfExport", "PDF文件(*.pdf)"),
                                            QStringLiteral("pdf"), frame.proposedPath(QStringLiteral(".pdf")));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");

    const QString projectFile = QString::fromStdString(frame.document().currentFilePath());
    Status written = success();
    {
        const WaitCursor waiting;
        written = writePdf(QFile::encodeName(path).toStdString(), pages,
                           QFileInfo(projectFile.isEmpty() ? path : projectFile).fileName());
    }
    if (!written)
        prompts.showMessage(
            &frame,
            QCoreApplication::translate("ReportOutput", "无法保存文件“%1”：\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.error().describe())),
            QMessageBox::Warning);
}

} // namespace trellon
