// The child windows of the document area.
#include "childwindows.h"

#include "cchildframe.h"
#include "commandicons.h"

#include "document/projectdocument.h"
#include "widgets/cdatalistview.h"
#include "widgets/cgridview.h"
#include "widgets/csectionview.h"

#include <QDir>
#include <QMdiArea>
#include <QSettings>
#include <QTimer>

#include <algorithm>

namespace trellon {

namespace {

const QString passColoursKey = QStringLiteral("View/PassColours");

template <typename View> View* viewIn(const CChildFrame* frame)
{
    return frame != nullptr ? static_cast<View*>(frame->widget()) : nullptr;
}

} // namespace

ChildWindows::ChildWindows(ProjectDocument& document, UserPrompts& prompts, QMdiArea& area, QSettings& settings,
                           QObject* parent)
    : QObject(parent), document_(document), prompts_(prompts), area_(area), settings_(settings),
      passColours_(settings.value(passColoursKey, true).toBool() ? PassColours::on : PassColours::off)
{
    connect(&area_, &QMdiArea::subWindowActivated, this, &ChildWindows::windowsChanged);
}

ChildWindows::~ChildWindows()
{
    // The frames go with the document area, after this: they tell nobody.
    for (CChildFrame* frame : frames_) {
        if (frame != nullptr)
            disconnect(frame, nullptr, this, nullptr);
    }
}

CChildFrame* ChildWindows::childFrame(ChildKind kind) const
{
    return kind == ChildKind::none ? nullptr : frames_[static_cast<std::size_t>(kind) - 1];
}

CDataListView* ChildWindows::listView() const
{
    return viewIn<CDataListView>(childFrame(ChildKind::list));
}

CSectionView* ChildWindows::sectionView() const
{
    return viewIn<CSectionView>(childFrame(ChildKind::section));
}

CGridView* ChildWindows::gridView() const
{
    return viewIn<CGridView>(childFrame(ChildKind::grid));
}

ChildKind ChildWindows::activeKind() const
{
    // currentSubWindow, unlike activeSubWindow, also answers while the application is not active.
    const auto* frame = qobject_cast<const CChildFrame*>(area_.currentSubWindow());
    return frame != nullptr ? frame->kind() : ChildKind::none;
}

bool ChildWindows::anyOpen() const
{
    return std::any_of(frames_.begin(), frames_.end(), [](const CChildFrame* frame) { return frame != nullptr; });
}

CChildFrame* ChildWindows::createChildFrame(ChildKind kind)
{
    QWidget* view = nullptr;
    switch (kind) {
    case ChildKind::list:
        view = new CDataListView(document_, prompts_);
        break;
    case ChildKind::section: {
        auto* section = new CSectionView(document_);
        section->setPassColours(passColours_);
        view = section;
        break;
    }
    case ChildKind::grid: {
        auto* grid = new CGridView(document_);
        grid->setPassColours(passColours_);
        view = grid;
        break;
    }
    case ChildKind::none:
        return nullptr;
    }
    auto* frame = new CChildFrame(kind, view);
    frame->setWindowIcon(applicationIcon());
    area_.addSubWindow(frame);
    connect(frame, &QObject::destroyed, this, &ChildWindows::childFrameDestroyed);
    frames_[static_cast<std::size_t>(kind) - 1] = frame;
    if (kind == ChildKind::list) {
        listView()->refreshPassMarks();
        frame->showMaximized();
    } else {
        frame->resize(view->sizeHint().expandedTo(QSize(480, 360)));
        frame->show();
    }
    return frame;
}

CChildFrame* ChildWindows::openOrActivate(ChildKind kind)
{
    CChildFrame* frame = childFrame(kind);
    if (frame == nullptr)
        frame = createChildFrame(kind);
    else
        frame->show();
    area_.setActiveSubWindow(frame);
    emit windowsChanged();
    return frame;
}

void ChildWindows::childFrameDestroyed(QObject* frame)
{
    std::replace_if(
        frames_.begin(), frames_.end(), [frame](const QObject* open) { return open == frame; }, nullptr);
    emit windowsChanged();
    // The document area lets go of the window after this signal.
    QTimer::singleShot(0, this, &ChildWindows::windowsChanged);
}

void ChildWindows::setPassColours(PassColours colours)
{
    passColours_ = colours;
    settings_.setValue(passColoursKey, colours == PassColours::on);
    for (CDiagramView* view : {static_cast<CDiagramView*>(sectionView()), static_cast<CDiagramView*>(gridView())}) {
        if (view != nullptr)
            view->setPassColours(colours);
    }
}

QString ChildWindows::title() const
{
    const QString path = QString::fromStdString(document_.currentFilePath());
    return path.isEmpty() ? tr("无标题") : QDir::toNativeSeparators(path);
}

void ChildWindows::retitle()
{
    const QString shown = title();
    for (CChildFrame* frame : frames_) {
        if (frame != nullptr)
            frame->setWindowTitle(shown);
    }
}

void ChildWindows::showListWindow()
{
    openOrActivate(ChildKind::list);
}

void ChildWindows::showSectionMember(int listPosition)
{
    openOrActivate(ChildKind::section);
    sectionView()->selectSectionMember(listPosition);
    emit windowsChanged();
}

void ChildWindows::showGridMember(int listPosition)
{
    openOrActivate(ChildKind::grid);
    gridView()->selectGridMember(listPosition);
    emit windowsChanged();
}

} // namespace trellon
