// The child windows of the main window's document area: the list, section and grid windows around their views, at
// most one of each kind. The control panel opens them (PanelHost); the diagrams colour their marks by pass state
// while 查看 → 按合格着色 is ticked.
#pragma once

#include "commandtable.h"

#include "panel/panelhost.h"
#include "views/passcolours.h"

#include <QObject>
#include <QString>

#include <array>

class QMdiArea;
class QSettings;

namespace trellon {

class CChildFrame;
class CDataListView;
class CGridView;
class CSectionView;
class ProjectDocument;

class ChildWindows final : public QObject, public PanelHost {
    Q_OBJECT

public:
    // All outlive the windows. The pass colours are kept in the settings for the next run.
    ChildWindows(ProjectDocument& document, UserPrompts& prompts, QMdiArea& area, QSettings& settings,
                 QObject* parent = nullptr);
    ~ChildWindows() override;

    QMdiArea& area() { return area_; }
    // The open window of a kind and the views; null when closed.
    CChildFrame* childFrame(ChildKind kind) const;
    CDataListView* listView() const;
    CSectionView* sectionView() const;
    CGridView* gridView() const;
    // The kind of the active window; none while no window is open.
    ChildKind activeKind() const;
    bool anyOpen() const;

    // Brings the window of the kind forward, opening it first when it is closed; the list window opens maximised.
    CChildFrame* openOrActivate(ChildKind kind);

    PassColours passColours() const { return passColours_; }
    void setPassColours(PassColours colours);

    // "无标题" or the project's file: what the windows are titled.
    QString title() const;
    // Titles every open window.
    void retitle();

    // PanelHost
    void showListWindow() override;
    void showSectionMember(int listPosition) override;
    void showGridMember(int listPosition) override;
    UserPrompts& prompts() override { return prompts_; }

signals:
    // A window was opened, activated or closed.
    void windowsChanged();

private:
    CChildFrame* createChildFrame(ChildKind kind);
    void childFrameDestroyed(QObject* frame);

    ProjectDocument& document_;
    UserPrompts& prompts_;
    QMdiArea& area_;
    QSettings& settings_;
    PassColours passColours_;
    // The list, section and grid windows, in the order of ChildKind.
    std::array<CChildFrame*, 3> frames_{};
};

} // namespace trellon
