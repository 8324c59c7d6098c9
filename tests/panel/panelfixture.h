// A loaded project of every member kind and a control panel on it.
#pragma once

#include "fakepanelhost.h"

#include "document/projectdocument.h"
#include "panel/controlpanel.h"
#include "widgets/cgridctrl.h"

#include "model/project.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace trellon::testing {

struct Bar {
    std::int32_t position;
    std::int32_t cover;
};

inline void appendBars(std::vector<std::int32_t>& samples, const std::vector<Bar>& bars)
{
    for (const Bar& bar : bars) {
        samples.push_back(bar.cover);
        samples.push_back(bar.position / 256);
        samples.push_back(bar.position % 256);
    }
}

inline MemberRecord sectionMember(const char* number, std::int32_t scale, const std::vector<Bar>& bars)
{
    MemberRecord m;
    m.number = number;
    std::vector<std::int32_t> samples{170, scale};
    appendBars(samples, bars);
    m.replaceSamples(std::move(samples));
    m.xBarCount = static_cast<std::int32_t>(bars.size());
    return m;
}

inline MemberRecord gridMember(const char* number, const std::vector<Bar>& x, const std::vector<Bar>& y)
{
    MemberRecord m;
    m.number = number;
    std::vector<std::int32_t> samples{170, 1};
    appendBars(samples, x);
    samples.insert(samples.end(), {187, 187, 187});
    appendBars(samples, y);
    m.replaceSamples(std::move(samples));
    return m;
}

inline MemberRecord singlePointMember(const char* number, std::vector<std::int32_t> readings)
{
    MemberRecord m;
    m.number = number;
    m.replaceSamples(std::move(readings));
    return m;
}

class PanelTest : public ::testing::Test {
protected:
    // Members: 0 "1001", 1 "4001" (2 bars), 2 "2001", 3 "4002" (scale 3), 4 "3001", 5 "4003" (scale 4),
    // 6 "3002" (no X bars).
    void SetUp() override
    {
        loadWith({});
        panel = std::make_unique<ControlPanel>(document, host);
        panel->resize(420, 640);
        panel->show();
        panel->chooseMode(TestMode::singlePoint);
    }

    // Opens the members above, first changed by `edit`, as a new project.
    void loadWith(const std::function<void(std::vector<MemberRecord>&)>& edit)
    {
        auto project = std::make_unique<Project>();
        project->members = {
            singlePointMember("1001", {30, 31, 32}),
            sectionMember("4001", 1, {{100, 20}, {300, 25}}),
            singlePointMember("2001", {30, 12, 31, 14}),
            sectionMember("4002", 3, {{50, 30}}),
            gridMember("3001", {{120, 22}, {240, 24}}, {{130, 26}}),
            sectionMember("4003", 4, {{60, 40}}),
            gridMember("3002", {}, {{90, 28}}),
        };
        if (edit)
            edit(project->members);
        document.replaceProject(std::move(project));
    }

    const MemberRecord& member(int index) { return *document.member(index); }
    CGridCtrl& grid() { return panel->parameterGrid(); }
    QListWidget& list() { return panel->memberList(); }

    void selectLine(int line) { list().setCurrentRow(line); }
    // Chooses a line as the user does, with a mouse click on it.
    void clickLine(int line)
    {
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, list().visualItemRect(list().item(line)).center());
    }

    // Editors of earlier layouts linger until deleted later; only the open one is visible.
    QLineEdit* openEditor()
    {
        for (QLineEdit* editor : grid().viewport()->findChildren<QLineEdit*>()) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }

    // Types into a cell through its in-place editor and ends the edit.
    void typeIntoCell(int row, int column, const QString& text)
    {
        const QModelIndex index = grid().model()->index(row, column);
        grid().setCurrentIndex(index);
        grid().edit(index);
        QLineEdit* editor = openEditor();
        ASSERT_NE(editor, nullptr) << "cell " << row << "," << column << " is not editable";
        editor->selectAll();
        QTest::keyClicks(editor, text);
        grid().finishEditing();
    }

    ProjectDocument document;
    FakePanelHost host;
    std::unique_ptr<ControlPanel> panel;
};

} // namespace trellon::testing
