// Opening and saving projects.
#include "filecommands.h"

#include "childwindows.h"
#include "commandwindow.h"
#include "projectfiledrop.h"
#include "proposedpath.h"

#include "document/projectdocument.h"
#include "evaluation/openproject.h"
#include "model/projectfile.h"
#include "widgets/userprompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace trellon {

namespace {

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

FileCommands::FileCommands(CommandWindow& window, QSettings& settings, QObject* parent)
    : QObject(parent), window_(window), settings_(settings)
{
    recentFiles_.load(settings_);
}

void FileCommands::open()
{
    const QString path = window_.prompts().chooseFileToOpen(window_.dialogParent(), tr("钢筋仪数据处理文件(*.gj)"));
    if (!path.isEmpty())
        openProjectFile(path);
}

bool FileCommands::openProjectFile(const QString& path)
{
    UserPrompts& prompts = window_.prompts();
    Result<LoadedProject> read = openProject(localPath(path));
    if (!read) {
        prompts.showMessage(window_.dialogParent(),
                            tr("无法打开文件“%1”：\n%2\n\n已载入的数据保持不变。")
                                .arg(QDir::toNativeSeparators(path), QString::fromStdString(read.error().describe())),
                            QMessageBox::Warning);
        return false;
    }
    // The file is good: only now may the loaded project give way, and only as the user says.
    if (!confirmReplacingProject())
        return false;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    installProject(std::move(read.value().project), absolute, false);
    addRecentFile(absolute);
    if (read.value().extensionWarning)
        prompts.showMessage(
            window_.dialogParent(),
            tr("“%1”中的构件类型、复检标记、每根钢筋测点数、构件总数和结论依据已损坏，未能读取；"
               "测量数据已完整打开。\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(*read.value().extensionWarning)),
            QMessageBox::Warning);
    return true;
}

bool FileCommands::openDroppedFile(const QMimeData* dropped)
{
    const QString path = droppedProjectFile(dropped);
    if (path.isEmpty())
        return false;
    // Not inside the drag's own event loop: the open may show a message.
    QTimer::singleShot(0, this, [this, path] { openProjectFile(path); });
    return true;
}

void FileCommands::installProject(std::unique_ptr<Project> project, const QString& filePath, bool modified)
{
    // The control panel answers by choosing the single-point mode, which shows the list window with the first
    // single-point member.
    window_.document().replaceProject(std::move(project), filePath.toStdString(), modified);
    window_.childWindows().showListWindow();
}

bool FileCommands::saveAs()
{
    ProjectDocument& document = window_.document();
    UserPrompts& prompts = window_.prompts();
    const Project* project = document.project();
    if (project == nullptr || project->members.empty()) {
        prompts.showMessage(window_.dialogParent(), tr("没有可保存的数据。"));
        return false;
    }
    QString path = prompts.chooseFileToSave(window_.dialogParent(), tr("钢筋仪数据处理文件(*.gj)"),
                                            QStringLiteral("gj"), proposedPath(document, QStringLiteral(".gj")));
    if (path.isEmpty())
        return false;
    if (!isProjectFileName(path))
        path += QStringLiteral(".gj");
    const Result<SaveOutcome> written = writeProjectFile(localPath(path), *project);
    if (!written) {
        prompts.showMessage(
            window_.dialogParent(),
            tr("无法保存文件“%1”：\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.error().describe())),
            QMessageBox::Warning);
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    document.markSaved(absolute.toStdString());
    addRecentFile(absolute);
    return true;
}

bool FileCommands::confirmReplacingProject()
{
    window_.finishEditing();
    const ProjectDocument& document = window_.document();
    if (document.project() == nullptr || !document.isModified())
        return true;
    switch (window_.prompts().ask(window_.dialogParent(), tr("您保存数据吗?"),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return saveAs();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void FileCommands::openRecentFile(int position)
{
    if (position < 0 || position >= recentFiles_.files().size())
        return;
    const QString path = recentFiles_.files()[position];
    if (!openProjectFile(path) && !QFileInfo::exists(path)) {
        recentFiles_.remove(path);
        recentFilesEdited();
    }
}

void FileCommands::addRecentFile(const QString& path)
{
    recentFiles_.add(path);
    recentFilesEdited();
}

void FileCommands::recentFilesEdited()
{
    recentFiles_.save(settings_);
    emit recentFilesChanged();
}

} // namespace trellon
