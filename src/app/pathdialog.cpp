// Folder tree listed on demand: a folder's subfolders are read when it is first opened or selected.
#include "pathdialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace trellon {
namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int listedRole = Qt::UserRole + 1;

// A folder's path as the edit shows it: always with a final separator.
QString withFinalSeparator(const QString& path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

} // namespace

QList<PathDialog::RootFolder> PathDialog::defaultRoots()
{
    return {{QStringLiteral("/"), QStringLiteral("/")}, {QDir::homePath(), tr("主文件夹")}};
}

PathDialog::PathDialog(const QString& initialText, QWidget* parent, const QList<RootFolder>& roots) : QDialog(parent)
{
    setWindowTitle(tr("设置文件存放路径"));

    auto* label = new QLabel(tr("文件存放路径："), this);
    edit_ = new QLineEdit(initialText, this);
    label->setBuddy(edit_);

    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setUniformRowHeights(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const RootFolder& root : roots)
        addFolderItem(nullptr, root.path, root.label)->setToolTip(0, root.path);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确 定"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("取 消"), QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(tree_, 1);
    layout->addWidget(buttons);
    resize(360, 420);

    connect(tree_, &QTreeWidget::itemExpanded, this, &PathDialog::listSubfolders);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &PathDialog::folderSelected);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString PathDialog::chosenPath() const
{
    return edit_->text();
}

QTreeWidgetItem* PathDialog::addFolderItem(QTreeWidgetItem* parent, const QString& path, const QString& label)
{
    static const QFileIconProvider icons;
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setText(0, label);
    item->setIcon(0, icons.icon(QFileIconProvider::Folder));
    item->setData(0, pathRole, path);
    item->setData(0, listedRole, false);
    // The expander shows until the listing finds no subfolder.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

void PathDialog::listSubfolders(QTreeWidgetItem* item)
{
    if (item == nullptr || item->data(0, listedRole).toBool())
        return;
    item->setData(0, listedRole, true);
    // Hidden folders are left out: QDir lists them only with QDir::Hidden.
    const QDir folder(item->data(0, pathRole).toString());
    const QStringList names = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::LocaleAware);
    for (const QString& name : names)
        addFolderItem(item, folder.filePath(name), name);
    item->setChildIndicatorPolicy(names.isEmpty() ? QTreeWidgetItem::DontShowIndicator
                                                  : QTreeWidgetItem::ShowIndicator);
}

void PathDialog::folderSelected()
{
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem* item = selected.front();
    edit_->setText(withFinalSeparator(item->data(0, pathRole).toString()));
    listSubfolders(item);
}

} // namespace trellon
