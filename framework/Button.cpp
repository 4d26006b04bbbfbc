#include "framework/Button.h"

const MessageMap* CButton::ThisMessageMap() {
    using T = CButton;
    static const MessageEntry entries[] = {
        OnMessage(WM_REFLECT_DRAWITEM, &msg::DrawItem<T, &T::DrawItem>),
    };
    static const MessageMap map{CWnd::ThisMessageMap(), entries, sizeof entries / sizeof entries[0]};
    return &map;
}

const MessageMap* CButton::GetMessageMap() const { return ThisMessageMap(); }
