// What the control panel asks of the main frame: the child windows of the modes and the prompts.
#pragma once

namespace trellon {

class UserPrompts;

class PanelHost {
public:
    virtual ~PanelHost() = default;

    // Opens or activates the list window, titled with the current file path.
    virtual void showListWindow() = 0;
    // Opens or activates the section (grid) window and lets its view show the member at that position
    // among the section (grid) members.
    virtual void showSectionMember(int listPosition) = 0;
    virtual void showGridMember(int listPosition) = 0;

    virtual UserPrompts& prompts() = 0;
};

} // namespace trellon
