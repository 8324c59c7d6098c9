// The PDF export command.
#include "pdfexportcommand.h"

#include "commandwindow.h"

#include "reportoutput.h"

#include "document/projectdocument.h"
#include "views/pdfpages.h"
#include "views/printedpages.h"
#include "widgets/userprompts.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdint>

namespace trellon {

void exportPdf(CommandWindow& window)
{
    const Project* project = window.document().project();
    if (project == nullptr)
        return;
    const PrintedPages pages(*project, window.printSettings());
    if (pages.pageCount() == 0) {
        // The print run's own words.
        window.prompts().showMessage(
            window.dialogParent(),
            QCoreApplication::translate("PrintRun", "没有可打印的内容：请先在控制面板中勾选要打印的构件。"));
        return;
    }
    const QString projectFile = QString::fromStdString(window.document().currentFilePath());
    const ReportFile file{QCoreApplication::translate("PdfExport", "PDF文件(*.pdf)"), QStringLiteral(".pdf"), {}};
    saveReport(window, file, [&pages, projectFile](const std::string& path, ExportTask& task) -> Status {
        const QString title =
            QFileInfo(projectFile.isEmpty() ? QFile::decodeName(task.target().c_str()) : projectFile).fileName();
        task.setTotal(pages.pageCount());
        const QByteArray pdf = renderPdfPages(pages, title, [&task](std::int32_t painted) {
            task.setDone(painted);
            return !task.isCancelled();
        });
        return writePdfFile(path, pdf, "the pages could not be painted into a PDF");
    });
}

} // namespace trellon
