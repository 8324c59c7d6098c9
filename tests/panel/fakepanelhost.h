// A main frame stand-in for the control panel's tests: records what the panel asked of it.
#pragma once

#include "panel/panelhost.h"
#include "support/scriptedprompts.h"

#include <QStringList>

namespace trellon::testing {

class FakePanelHost final : public PanelHost {
public:
    void showListWindow() override { calls << QStringLiteral("showListWindow"); }
    void showSectionMember(int listPosition) override
    {
        calls << QStringLiteral("showSectionMember %1").arg(listPosition);
    }
    void showGridMember(int listPosition) override { calls << QStringLiteral("showGridMember %1").arg(listPosition); }
    UserPrompts& prompts() override { return scripted; }

    QStringList calls;
    ScriptedPrompts scripted;
};

} // namespace trellon::testing
