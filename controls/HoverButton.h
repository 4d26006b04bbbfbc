// CHoverButton: the program's push button. It is owner-drawn, with an
// optional icon beside or instead of its text, in the visual style's look
// when themes are on and in the classic look otherwise. It follows the mouse
// pointer so the themed button shows its hot state, paints through an
// off-screen buffer so it never flickers, and turns a double click into a
// second click. Dialogs attach it to a push button of their template
// (DDX_Control) and receive clicks as WM_COMMAND / BN_CLICKED.
#pragma once
#include <windows.h>

#include <string>

#include "controls/OwnerDrawButton.h"
#include "controls/ThemeData.h"
#include "controls/VisualStyles.h"
#include "framework/Gdi.h"
#include "framework/Icon.h"

class CHoverButton : public COwnerDrawButton {
public:
    // Themes through the program's loader.
    CHoverButton();
    // Themes through another loader (tests use one without the library).
    explicit CHoverButton(const CVisualStyles& styles);
    ~CHoverButton() override;

    // Loads an icon resource of the program, 16 x 16 at 96 DPI and drawn
    // for the scale of `dpi` (0: the DPI the button's window is shown at);
    // without it the button shows its text centred. Placement 0 and 1 both
    // put the icon left of the text.
    void SetIcon(int resourceId, int placement = 1, int dpi = 0);
    // Takes ownership of icon, destroys the one held before and redraws now.
    void SetIcon(HICON icon, int placement = 1);
    HICON GetIcon() const { return m_icon.Get(); }
    // Whether the text is drawn; hidden, it still names the button for
    // assistive technology (a button that shows its icon alone). Redraws now.
    void SetTextShown(BOOL shown);
    // Whether to draw with visual styles when they are on; redraws now.
    void SetThemed(BOOL useStyles);
    // TRUE when the button draws itself with the theme right now.
    BOOL IsThemed() const;

    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* ThisMessageMap();

    // Keys, clicks, the double click and theme changes, ahead of the
    // button's own processing.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnMouseMove(UINT flags, POINT point);
    BOOL OnEraseBkgnd(HDC dc);

    BOOL m_bReopenTheme = TRUE;  // (re)open the theme at the next draw
    BOOL m_bHover = FALSE;       // pointer inside the window rectangle, seen while captured
    CThemeData m_theme;          // the "Button" theme, when open
    CIcon m_icon;
    int m_nIconPlacement = 1;
    BOOL m_bPendingClick = FALSE;  // pushed by a double click or a key: the release completes it
    BOOL m_bUseStyles = TRUE;
    BOOL m_bTextShown = TRUE;

private:
    // Icons of the program's buttons, in pixels at 96 DPI.
    static constexpr int kIconSize = 16;

    void RedrawNow() const;
    // WM_COMMAND / BN_CLICKED to the parent, as a click of the button.
    void NotifyClick() const;
    // Pushed look plus a click waiting for its release.
    void BeginPendingClick();
    // Drops a waiting click and its pushed look (focus or capture lost).
    void CancelPendingClick();
    // The release of the space bar or Enter that pushed the button.
    LRESULT EndKeyClick(UINT message, WPARAM wParam, LPARAM lParam);
    // The mouse release that a double click or a key left waiting.
    void CompletePendingClick();
    // Another window took the mouse: no pending click, no hot look.
    void OnCaptureLost();
    // The WM_GETDLGCODE answer for the key message `examined` (may be null).
    static LRESULT DialogCode(const MSG* examined);

    void OpenThemeIfNeeded();
    RECT DrawBackground(CDCHandle dc, const RECT& item, bool pressed, bool focused, bool themed) const;
    void DrawIcon(CDCHandle dc, const RECT& iconRect, bool disabled) const;
    void DrawLabel(CDCHandle dc, const std::string& text, RECT box, UINT format, bool hasIcon, bool disabled,
                   bool themed) const;
};
