// Recent-file list in the settings.
#include "recentfilelist.h"

#include <QDir>
#include <QSettings>

namespace trellon {

namespace {

const QString group = QStringLiteral("Recent File List");

QString key(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}

} // namespace

void RecentFileList::load(QSettings& settings)
{
    files_.clear();
    settings.beginGroup(group);
    for (int i = 0; i < capacity; ++i) {
        const QString path = settings.value(key(i)).toString();
        if (!path.isEmpty() && !files_.contains(path))
            files_ << path;
    }
    settings.endGroup();
}

void RecentFileList::save(QSettings& settings) const
{
    settings.beginGroup(group);
    for (int i = 0; i < capacity; ++i) {
        if (i < files_.size())
            settings.setValue(key(i), files_[i]);
        else
            settings.remove(key(i));
    }
    settings.endGroup();
}

void RecentFileList::add(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    files_.removeAll(clean);
    files_.prepend(clean);
    while (files_.size() > capacity)
        files_.removeLast();
}

void RecentFileList::remove(const QString& path)
{
    files_.removeAll(QDir::cleanPath(path));
}

} // namespace trellon
