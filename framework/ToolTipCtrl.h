// CToolTipCtrl: a tooltip control that owns its window. Its tools are areas
// of the client area of the window it serves, so a tool may lie over a
// static control that lets the mouse through to that window; the control
// watches the window's mouse messages itself (TTF_SUBCLASS). It shows only
// while the mouse rests on a tool.
#pragma once
#include <windows.h>

#include <string>

#include "framework/Wnd.h"

class CToolTipCtrl : public CWnd {
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl() override;

    // Creates the control for `window`; false when it could not be created.
    // The control's own window lives until this object goes.
    bool Create(HWND window);

    // Gives the area of the served window's child `id` the tip `text`, or
    // removes the tip when the text is empty. Several lines are joined with
    // CR LF.
    void SetToolText(UINT id, const std::string& text);
    // The tip of the area, empty when there is none.
    std::string GetToolText(UINT id) const;
    // Moves each area to where its child window is now.
    void FollowTools();

private:
    bool HasTool(UINT id) const;

    HWND m_hServed = nullptr;
};
