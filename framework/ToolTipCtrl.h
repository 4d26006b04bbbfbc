// CToolTipCtrl: a tooltip control that owns its window. Its tools are areas
// of the owner's client area, so a tool may lie over a static control that
// lets the mouse through to the owner; the control watches the owner's mouse
// messages itself (TTF_SUBCLASS). It shows only while the mouse rests on a
// tool.
#pragma once
#include <windows.h>

#include <string>

#include "framework/Wnd.h"

class CToolTipCtrl : public CWnd {
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl() override;

    // Creates the control for `owner`; false when it could not be created.
    bool Create(HWND owner);

    // Gives the area of the owner's child window `id` the tip `text`, or
    // removes the tip when the text is empty. Several lines are joined with
    // CR LF.
    void SetToolText(UINT id, const std::string& text);
    // The tip of the area, empty when there is none.
    std::string GetToolText(UINT id) const;
    // Moves each area to where its child window is now.
    void FollowTools();

private:
    bool HasTool(UINT id) const;

    HWND m_hOwner = nullptr;
};
