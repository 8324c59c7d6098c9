// trellon-cli pdf: the print run of the checked members as an A4 PDF, as the printer would receive it.
#include "clicommand.h"
#include "paintingapplication.h"

#include "model/atomicfile.h"
#include "model/openproject.h"
#include "model/printsettingsfile.h"
#include "views/printedpages.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QPdfWriter>

#include <cstdint>
#include <span>

namespace trellon::cli {

namespace {

constexpr int pdfResolution = 1200;
// A common printer's unprintable border; the page layout is placed from the printable area's corner.
constexpr double printableMarginPoints = 18.0;

QByteArray renderPdf(const PrintedPages& pages, const std::string& title)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(pdfResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(
        QMarginsF(printableMarginPoints, printableMarginPoints, printableMarginPoints, printableMarginPoints),
        QPageLayout::Point);
    writer.setCreator(QStringLiteral("Trellon"));
    writer.setTitle(QFileInfo(QString::fromStdString(title)).fileName());
    if (!pages.paintAllPages(writer))
        return {};
    return pdf;
}

} // namespace

int runPdfCommand(const std::vector<std::string>& args)
{
    const Arguments arguments(args, {"-o", "--print-settings"});
    const std::string& projectPath = arguments.onePositional("project file");
    const std::string& outputPath = arguments.requireValue("-o");

    PrintSettings settings;
    if (const auto settingsPath = arguments.value("--print-settings")) {
        auto read = readPrintSettingsFile(*settingsPath, settings);
        if (!read)
            return fail(read.error());
        settings = read.value();
    }
    auto loaded = openProject(projectPath);
    if (!loaded)
        return fail(loaded.error());
    Project& project = *loaded.value().project;

    paintingApplication();
    const PrintedPages pages(project, settings);
    if (pages.pageCount() == 0)
        return fail("nothing to print: no checked member of " + projectPath + " has a page");
    const QByteArray pdf = renderPdf(pages, projectPath);
    if (pdf.isEmpty())
        return fail("the pages could not be painted into a PDF");
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(pdf.constData()), static_cast<std::size_t>(pdf.size()));
    if (auto written = writeFileAtomically(outputPath, bytes, "cannot create the PDF file"); !written)
        return fail(written.error());
    return exitSuccess;
}

} // namespace trellon::cli
