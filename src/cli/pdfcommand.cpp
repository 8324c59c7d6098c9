// trellon-cli pdf: the print run of the checked members as an A4 PDF, as the printer would receive it.
#include "clicommand.h"
#include "paintingapplication.h"

#include "model/printsettingsfile.h"
#include "views/pdfpages.h"
#include "views/printedpages.h"

#include <QByteArray>
#include <QFileInfo>

namespace trellon::cli {

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
    auto loaded = openProjectWarning(projectPath);
    if (!loaded)
        return fail(loaded.error());
    Project& project = *loaded.value().project;

    paintingApplication();
    const PrintedPages pages(project, settings);
    if (pages.pageCount() == 0)
        return fail("nothing to print: no checked member of " + projectPath + " has a page");
    const QByteArray pdf = renderPdfPages(pages, QFileInfo(QString::fromStdString(projectPath)).fileName());
    if (auto written = writePdfFile(outputPath, pdf, "the pages could not be painted into a PDF"); !written)
        return fail(written.error());
    return exitSuccess;
}

} // namespace trellon::cli
