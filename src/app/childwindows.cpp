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

namespace trellon {

namespace {

const QString passColoursKey = QStringLiteral("View/PassColours");

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
    for (CChildFrame* frame : {listFrame_, sectionFrame_, gridFrame_}) {
        if (frame != nullptr)
            disconnect(frame, nullptr, this, nullptr);
    }
}

CChildFrame*& ChildWindows::frameOf(ChildKind kind)
{
    switch (kind) {
    case ChildKind::section:
        return sectionFrame_;
    case ChildKind::grid:
        return gridFrame_;
    case ChildKind::list:
    case ChildKind::none:
        break;
    }
    return listFrame_;
}

CChildFrame* ChildWindows::childFrame(ChildKind kind) const
{
    switch (kind) {
    case ChildKind::list:
        return listFrame_;
    case ChildKind::section:
        return sectionFrame_;
    case ChildKind::grid:
        return gridFrame_;
    case ChildKind::none:
        break;
    }
    return nullptr;
}

CDataListView* ChildWindows::listView() const
{
    return listFrame_ != nullptr ? static_cast<CDataListView*>(listFrame_->widget()) : nullptr;
}

CSectionView* ChildWindows::sectionView() const
{
    return sectionFrame_ != nullptr ? static_cast<CSectionView*>(sectionFrame_->widget()) : nullptr;
}

CGridView* ChildWindows::gridView() const
{
    return gridFrame_ != nullptr ? static_cast<CGridView*>(gridFrame_->widget()) : nullptr;
}

ChildKind ChildWindows::activeKind() const
{
    // currentSubWindow, unlike activeSubWindow, also answers while the application is not active.
    const auto* frame = qobject_cast<const CChildFrame*>(area_.currentSubWindow());
    return frame != nullptr ? frame->kind() : ChildKind::none;
}

bool ChildWindows::anyOpen() const
{
    return listFrame_ != nullptr || sectionFrame_ != nullptr || gridFrame_ != nullptr;
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
    frameOf(kind) = frame;
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
    for (CChildFrame** open : {&listFrame_, &sectionFrame_, &gridFrame_}) {
        if (*open == frame)
            *open = nullptr;
    }
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
    for (CChildFrame* frame : {listFrame_, sectionFrame_, gridFrame_}) {
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
