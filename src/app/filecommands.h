// The File menu's project commands: 打开, 另存为 (also behind 保存, as a save always asks for the name), the
// recent files, and the question "您保存数据吗?" before a modified project gives way.
#pragma once

#include "recentfilelist.h"

#include <QObject>
#include <QString>

#include <memory>

class QMimeData;
class QSettings;

namespace trellon {

class CommandWindow;
struct Project;

class FileCommands final : public QObject {
    Q_OBJECT

public:
    // The window and the settings outlive the commands; the recent files are read from the settings.
    FileCommands(CommandWindow& window, QSettings& settings, QObject* parent = nullptr);

    // The open dialog, then openProjectFile.
    void open();
    // Reads the file into a new project and installs it only when reading succeeded and the loaded project may
    // give way; otherwise says why and leaves the loaded project as it was.
    bool openProjectFile(const QString& path);
    // What a drop on the window does: opens the first local project file among the URLs once the drop has ended.
    // False (nothing opened) when there is none.
    bool openDroppedFile(const QMimeData* dropped);
    // The save dialog and the writer. True when a file was written; the project then belongs to that file.
    bool saveAs();
    // Asks "您保存数据吗?" when the loaded project is modified; false when the user keeps what is on screen
    // (Cancel, or Yes and the save did not happen).
    bool confirmReplacingProject();

    // Puts a project received or recovered in place of the loaded one, titled with its file (empty: none).
    void installProject(std::unique_ptr<Project> project, const QString& filePath, bool modified);

    // The newest first.
    const QStringList& recentFiles() const { return recentFiles_.files(); }
    // Opens the recent file at position (0 … 3); a file that no longer exists leaves the list.
    void openRecentFile(int position);
    // Puts the file first in the list.
    void addRecentFile(const QString& path);

signals:
    void recentFilesChanged();

private:
    void recentFilesEdited();

    CommandWindow& window_;
    QSettings& settings_;
    RecentFileList recentFiles_;
};

} // namespace trellon
