// Recovery files.
#include "recoveryfile.h"

#include "evaluation/openproject.h"
#include "model/atomicfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace trellon {

namespace {

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString uniqueId()
{
    return QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch());
}

} // namespace

QString RecoveryFile::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery");
}

RecoveryFile::RecoveryFile(QString folder)
    : folder_(std::move(folder)), id_(uniqueId()), lock_((QDir().mkpath(folder_), pathOf(id_, ".lock")))
{
    lock_.setStaleLockTime(0);
    lock_.tryLock(0);
}

QString RecoveryFile::pathOf(const QString& id, const char* suffix) const
{
    return folder_ + QLatin1Char('/') + id + QLatin1String(suffix);
}

bool RecoveryFile::write(const std::vector<std::uint8_t>& encodedProject, const std::string& sourcePath)
{
    const std::vector<std::uint8_t> source(sourcePath.begin(), sourcePath.end());
    if (!writeFileAtomically(localPath(pathOf(id_, ".source")), source, "cannot write the recovery file"))
        return false;
    return writeFileAtomically(localPath(pathOf(id_, ".gj")), encodedProject, "cannot write the recovery file").ok();
}

void RecoveryFile::discard()
{
    QFile::remove(pathOf(id_, ".gj"));
    QFile::remove(pathOf(id_, ".source"));
}

bool RecoveryFile::exists() const
{
    return QFile::exists(pathOf(id_, ".gj"));
}

std::vector<RecoveryFile::Leftover> RecoveryFile::leftovers()
{
    std::vector<Leftover> found;
    const QStringList projects = QDir(folder_).entryList({QStringLiteral("*.gj")}, QDir::Files, QDir::Time);
    for (const QString& name : projects) {
        const QString id = name.chopped(3);
        if (id == id_)
            continue;
        // A lock that can be taken belongs to a run that is gone; taking it claims the files.
        if (!claimed_.contains(id)) {
            auto owner = std::make_unique<QLockFile>(pathOf(id, ".lock"));
            owner->setStaleLockTime(0);
            if (!owner->tryLock(0))
                continue;
            claimed_.emplace(id, std::move(owner));
        }
        QFile source(pathOf(id, ".source"));
        const QString sourcePath = source.open(QIODevice::ReadOnly) ? QFile::decodeName(source.readAll()) : QString();
        found.push_back({id, sourcePath, QFileInfo(pathOf(id, ".gj")).lastModified()});
    }
    return found;
}

std::unique_ptr<Project> RecoveryFile::read(const Leftover& leftover) const
{
    auto opened = openProject(localPath(pathOf(leftover.id, ".gj")));
    if (!opened)
        return nullptr;
    return std::move(opened.value().project);
}

void RecoveryFile::release(const Leftover& leftover)
{
    // Unlocking removes the lock file; the next run takes the lock anew.
    claimed_.erase(leftover.id);
}

void RecoveryFile::remove(const Leftover& leftover)
{
    QFile::remove(pathOf(leftover.id, ".gj"));
    QFile::remove(pathOf(leftover.id, ".source"));
    // Releasing the claim removes the lock file.
    if (claimed_.erase(leftover.id) == 0)
        QFile::remove(pathOf(leftover.id, ".lock"));
}

} // namespace trellon
