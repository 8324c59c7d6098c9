// Save BMP from a diagram window.
#include "bitmapexportcommand.h"

#include "childwindows.h"
#include "commandwindow.h"

#include "document/projectdocument.h"
#include "views/diagrambitmap.h"
#include "widgets/cgridview.h"
#include "widgets/csectionview.h"
#include "widgets/userprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace trellon {

namespace {

struct BitmapExport {
    Q_DECLARE_TR_FUNCTIONS(BitmapExport)
};

} // namespace

void saveActiveDiagramBitmap(CommandWindow& window)
{
    const ChildKind active = window.childWindows().activeKind();
    CDiagramView* view = nullptr;
    if (active == ChildKind::section)
        view = window.childWindows().sectionView();
    else if (active == ChildKind::grid)
        view = window.childWindows().gridView();
    if (view == nullptr)
        return;

    const Project* project = window.document().project();
    const int index = view->memberIndex();
    const MemberRecord* member =
        project != nullptr && index >= 0 ? &project->members[static_cast<std::size_t>(index)] : nullptr;
    const DiagramKind kind = active == ChildKind::section ? DiagramKind::section : DiagramKind::grid;
    const QImage picture = renderDiagramPicture(kind, view->size(), member, view->passColours());
    const int depth = resolvedColourDepth(displayDepthRequest, view->screen());

    UserPrompts& prompts = window.prompts();
    const QString path = prompts.chooseFileToSaveUnconfirmed(window.dialogParent(), BitmapExport::tr("位图文件(*.bmp)"),
                                                             QStringLiteral("bmp"));
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) &&
        prompts.ask(window.dialogParent(), BitmapExport::tr("指定的文件名已经存在,是否覆盖原来的文件?"),
                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const Status written = writeBitmapFile(QFile::encodeName(path).toStdString(), bitmapPictureOf(picture, depth));
    if (!written)
        prompts.showMessage(
            window.dialogParent(),
            BitmapExport::tr("无法保存文件“%1”：\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.error().describe())),
            QMessageBox::Warning);
}

} // namespace trellon
