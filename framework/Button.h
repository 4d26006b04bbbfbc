// CButton: a button control bound to an object. An owner-drawn button paints
// itself in DrawItem, which its parent reaches by reflecting WM_DRAWITEM.
#pragma once
#include <windows.h>

#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    // BST_PUSHED, BST_FOCUS, ... as BM_GETSTATE answers them.
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    // Shows the button pushed in (TRUE) or released.
    void SetState(BOOL pushed) const { SendMessage(BM_SETSTATE, static_cast<WPARAM>(pushed)); }

    // Paints an owner-drawn button; a plain button draws nothing here.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}

protected:
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* ThisMessageMap();
};
