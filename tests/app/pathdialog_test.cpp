// The folder chooser: folders listed on demand, hidden ones left out, the edit's text as the result.
#include "app/pathdialog.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace trellon {
namespace {

QStringList childTexts(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

class PathDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        const QDir root(scratch.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("beams/east")));
        ASSERT_TRUE(root.mkpath(QStringLiteral("anchors")));
        ASSERT_TRUE(root.mkpath(QStringLiteral(".cache")));
        QFile file(root.filePath(QStringLiteral("notes.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir scratch;
};

TEST_F(PathDialogTest, defaultRootsAreTheFileSystemAndTheHomeFolder)
{
    const auto roots = PathDialog::defaultRoots();
    ASSERT_EQ(roots.size(), 2);
    EXPECT_EQ(roots[0].path, QStringLiteral("/"));
    EXPECT_EQ(roots[1].path, QDir::homePath());
}

TEST_F(PathDialogTest, listsSubfoldersInNameOrderWithoutHiddenOnesOrFiles)
{
    PathDialog dialog(QString(), nullptr, {{scratch.path(), QStringLiteral("scratch")}});
    QTreeWidgetItem* root = dialog.folderTree()->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->childCount(), 0);
    root->setExpanded(true);
    EXPECT_EQ(childTexts(root), (QStringList{QStringLiteral("anchors"), QStringLiteral("beams")}));
    // Expanding again lists nothing twice.
    root->setExpanded(false);
    root->setExpanded(true);
    EXPECT_EQ(root->childCount(), 2);
}

TEST_F(PathDialogTest, selectingAFolderShowsItsPathWithASeparatorAndListsItsSubfolders)
{
    PathDialog dialog(QStringLiteral("/somewhere/"), nullptr, {{scratch.path(), QStringLiteral("scratch")}});
    QTreeWidgetItem* root = dialog.folderTree()->topLevelItem(0);
    root->setExpanded(true);
    QTreeWidgetItem* beams = root->child(1);
    ASSERT_NE(beams, nullptr);
    dialog.folderTree()->setCurrentItem(beams);
    EXPECT_EQ(dialog.pathEdit()->text(), scratch.path() + QStringLiteral("/beams/"));
    EXPECT_EQ(childTexts(beams), QStringList{QStringLiteral("east")});
}

TEST_F(PathDialogTest, okReturnsTheEditsTextAndCancelReturnsNothing)
{
    PathDialog dialog(QStringLiteral("/initial/"), nullptr, {{scratch.path(), QStringLiteral("scratch")}});
    EXPECT_EQ(dialog.pathEdit()->text(), QStringLiteral("/initial/"));
    dialog.show();
    dialog.pathEdit()->setText(QStringLiteral("/srv/site"));
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("确 定"))
            ok = button;
        if (button->text() == QStringLiteral("取 消"))
            cancel = button;
    }
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenPath(), QStringLiteral("/srv/site"));

    dialog.show();
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
} // namespace trellon
