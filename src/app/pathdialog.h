// The folder chooser behind the transfer dialog's browse button.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace trellon {

class PathDialog : public QDialog {
    Q_OBJECT

public:
    struct RootFolder {
        QString path;
        QString label;
    };

    // The file system from "/" and the home folder.
    static QList<RootFolder> defaultRoots();

    // initialText fills the path edit; the tree starts at roots.
    explicit PathDialog(const QString& initialText, QWidget* parent = nullptr,
                        const QList<RootFolder>& roots = defaultRoots());

    // The edit's text, picked in the tree or typed; meaningful after OK.
    QString chosenPath() const;

    QTreeWidget* folderTree() const { return tree_; }
    QLineEdit* pathEdit() const { return edit_; }

private:
    QTreeWidgetItem* addFolderItem(QTreeWidgetItem* parent, const QString& path, const QString& label);
    void listSubfolders(QTreeWidgetItem* item);
    void folderSelected();

    QLineEdit* edit_ = nullptr;
    QTreeWidget* tree_ = nullptr;
};

} // namespace trellon
