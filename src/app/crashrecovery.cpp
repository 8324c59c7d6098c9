// Recovery after a crash.
#include "crashrecovery.h"

#include "commandwindow.h"
#include "filecommands.h"

#include "widgets/userprompts.h"

#include <QDir>

namespace trellon {

namespace {

// The answers to the recovery question, in their order: 恢复, 以后再说, 丢弃.
constexpr int recoveryRestore = 0;
constexpr int recoveryLater = 1;

} // namespace

CrashRecovery::CrashRecovery(CommandWindow& window, FileCommands& files, const QString& folder)
    : window_(window), files_(files), file_(folder.isEmpty() ? RecoveryFile::defaultFolder() : folder),
      autosave_(window.document(), file_)
{
}

bool CrashRecovery::offer()
{
    UserPrompts& prompts = window_.prompts();
    for (const RecoveryFile::Leftover& leftover : file_.leftovers()) {
        const QString file =
            leftover.sourcePath.isEmpty() ? tr("无标题") : QDir::toNativeSeparators(leftover.sourcePath);
        const bool today = leftover.savedAt.date() == QDate::currentDate();
        const QString savedAt =
            leftover.savedAt.toString(today ? QStringLiteral("HH:mm:ss") : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const int answer = prompts.choose(window_.dialogParent(),
                                          tr("%1 的未保存修改（最后保存于 %2）可以恢复。是否恢复？").arg(file, savedAt),
                                          {tr("恢复"), tr("以后再说"), tr("丢弃")}, recoveryLater);
        if (answer == recoveryLater) {
            file_.release(leftover);
            continue;
        }
        if (answer != recoveryRestore) {
            file_.remove(leftover);
            continue;
        }
        std::unique_ptr<Project> project = file_.read(leftover);
        if (project == nullptr) {
            prompts.showMessage(window_.dialogParent(), tr("恢复文件已损坏，无法恢复。"), QMessageBox::Warning);
            file_.remove(leftover);
            continue;
        }
        files_.installProject(std::move(project), leftover.sourcePath, true);
        // This run keeps it from now on; the crashed run's files go once this run's are on disk.
        autosave_.writeNow();
        autosave_.flush();
        file_.remove(leftover);
        return true;
    }
    return false;
}

void CrashRecovery::discard()
{
    autosave_.discard();
    autosave_.flush();
}

} // namespace trellon
