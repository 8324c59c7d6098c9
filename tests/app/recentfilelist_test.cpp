// The recent-file list and its settings entries.
#include "app/recentfilelist.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trellon {
namespace {

TEST(RecentFileList, newestFirstWithoutDuplicatesAndAtMostFour)
{
    RecentFileList list;
    for (const char* path : {"/a.gj", "/b.gj", "/c.gj", "/b.gj", "/d.gj", "/e.gj"})
        list.add(QString::fromLatin1(path));
    EXPECT_EQ(list.files(), (QStringList{"/e.gj", "/d.gj", "/b.gj", "/c.gj"}));
    list.remove(QStringLiteral("/d.gj"));
    EXPECT_EQ(list.files(), (QStringList{"/e.gj", "/b.gj", "/c.gj"}));
}

TEST(RecentFileList, roundTripsThroughTheSettingsAndClearsDroppedEntries)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    RecentFileList list;
    for (const char* path : {"/a.gj", "/b.gj", "/c.gj"})
        list.add(QString::fromLatin1(path));
    list.save(settings);
    EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(), QStringLiteral("/c.gj"));
    list.remove(QStringLiteral("/a.gj"));
    list.save(settings);
    EXPECT_FALSE(settings.contains(QStringLiteral("Recent File List/File3")));

    RecentFileList loaded;
    loaded.load(settings);
    EXPECT_EQ(loaded.files(), list.files());
}

} // namespace
} // namespace trellon
