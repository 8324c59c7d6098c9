// The Word report command.
#include "wordreportcommand.h"

#include "commandwindow.h"
#include "reportoutput.h"
#include "reportparamsdialog.h"
#include "usersettingsfolder.h"

#include "document/projectdocument.h"
#include "panel/controlpanel.h"
#include "reports/normalreport.h"
#include "reports/reporttemplate.h"
#include "reports/yunnanreport.h"
#include "widgets/userprompts.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>

#include <filesystem>

namespace trellon {
namespace {

struct WordReport {
    Q_DECLARE_TR_FUNCTIONS(WordReport)
};

std::filesystem::path localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// The template in the folder given, else beside the program or installed, else in the build tree.
std::string templatePath(const QString& folder, std::string_view name)
{
    if (!folder.isEmpty())
        return (localPath(folder) / std::filesystem::u8path(name)).string();
    const std::filesystem::path found = findReportTemplate(localPath(QCoreApplication::applicationDirPath()), name);
    const std::filesystem::path built =
        std::filesystem::path(TRELLON_BUILD_TEMPLATE_DIR) / std::filesystem::u8path(name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(found, error) && std::filesystem::is_regular_file(built, error))
        return built.string();
    return found.string(); // when neither exists, the error names the place beside the program
}

CalendarDate today()
{
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

} // namespace

void makeWordReport(CommandWindow& window, const WordReportPlaces& places)
{
    const Project* project = window.document().project();
    if (project == nullptr)
        return;

    UserPrompts& prompts = window.prompts();
    const QString settingsFolder = places.settingsFolder.isEmpty() ? userSettingsFolder() : places.settingsFolder;
    ConclusionBasis basis = project->extension.conclusionBasis;
    const std::optional<ReportParameters> parameters =
        ReportParamsDialog::ask(window.dialogParent(), prompts, settingsFolder, &basis);
    if (!parameters)
        return;
    // The basis is the project's: a change is an edit of it, undone as any other.
    window.document().setConclusionBasis(basis);
    const bool normal = parameters->reportFormat == ReportFormat::normal;

    const auto reportTemplate =
        openReportTemplate(templatePath(places.templateFolder, normal ? normalTemplateName : yunnanTemplateName));
    if (!reportTemplate) {
        prompts.showMessage(window.dialogParent(),
                            WordReport::tr("创建Word2000服务失败!") + QLatin1Char('\n') +
                                QString::fromStdString(reportTemplate.error().describe()),
                            QMessageBox::Warning);
        return;
    }
    const ReportFile file{
        WordReport::tr("Word文档(*.docx)"), QStringLiteral(".docx"),
        WordReport::tr("Word报告已保存为“%1”。\n没有找到能打开它的应用程序。要打开它所在的文件夹吗?")};
    saveReportAndOpen(window, file, [&](const std::string& path, ExportTask&) {
        return normal
                   ? writeNormalReport(reportTemplate.value(), layOutNormalReport(*project, *parameters, today()), path)
                   : writeYunnanReport(reportTemplate.value(), layOutYunnanRows(*project), path);
    });
}

} // namespace trellon
