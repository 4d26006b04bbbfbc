#include "controls/HoverButton.h"

#include "controls/ButtonStyleRules.h"
#include "display/ScaledArt.h"
#include "framework/Dpi.h"

CHoverButton::CHoverButton() : CHoverButton(g_visualStyles) {}

CHoverButton::CHoverButton(const CVisualStyles& styles) : m_theme(styles) {}

// The theme data and the icon go with their members.
CHoverButton::~CHoverButton() = default;

const MessageMap* CHoverButton::ThisMessageMap()
{
    using T = CHoverButton;
    static const MessageEntry entries[] = {
        OnMessage(WM_MOUSEMOVE, &msg::Mouse<T, &T::OnMouseMove>),
        OnMessage(WM_ERASEBKGND, &msg::EraseBkgnd<T, &T::OnEraseBkgnd>),
    };
    static const MessageMap map{COwnerDrawButton::ThisMessageMap(), entries, sizeof entries / sizeof entries[0]};
    return &map;
}

const MessageMap* CHoverButton::GetMessageMap() const { return ThisMessageMap(); }

void CHoverButton::SetIcon(int resourceId, int placement, int dpi)
{
    SetIcon(LoadScaledIcon(resourceId, kIconSize, dpi > 0 ? dpi : WindowDpi(m_hWnd)), placement);
}

void CHoverButton::SetIcon(HICON icon, int placement)
{
    m_icon.Attach(icon);
    m_nIconPlacement = placement;
    RedrawNow();
}

void CHoverButton::SetTextShown(BOOL shown)
{
    m_bTextShown = shown;
    RedrawNow();
}

void CHoverButton::SetThemed(BOOL useStyles)
{
    m_bUseStyles = useStyles;
    RedrawNow();
}

BOOL CHoverButton::IsThemed() const
{
    return m_theme.Get() && m_bUseStyles && m_theme.Styles().IsAppThemed();
}

void CHoverButton::RedrawNow() const
{
    // Without a window there is nothing to redraw (a null window would mean
    // the whole desktop).
    if (m_hWnd)
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CHoverButton::NotifyClick() const
{
    ::SendMessageA(GetParent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

void CHoverButton::BeginPendingClick()
{
    SetState(TRUE);
    m_bPendingClick = TRUE;
}

void CHoverButton::CancelPendingClick()
{
    if (!m_bPendingClick)
        return;
    m_bPendingClick = FALSE;
    if (GetState() & BST_PUSHED)
        SetState(FALSE);
}

// Capturing while the pointer is inside is what lets the button see the move
// that leaves it.
void CHoverButton::OnMouseMove(UINT, POINT point)
{
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    const RECT window = GetWindowRect();
    const BOOL wasHover = m_bHover;
    if (::PtInRect(&window, screen)) {
        m_bHover = TRUE;
        ::SetCapture(m_hWnd);
    } else {
        m_bHover = FALSE;
        ::ReleaseCapture();
    }
    if (m_bHover != wasHover)
        Invalidate(TRUE);
    Default();
}

// DrawItem paints the whole face; erasing first would only flicker.
BOOL CHoverButton::OnEraseBkgnd(HDC)
{
    return TRUE;
}

// A key's pushed look ends with the key: Enter has already clicked, the
// space bar clicks in the button's own processing. Left for the next mouse
// release, the look would stay pushed and that release would click once more.
LRESULT CHoverButton::EndKeyClick(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_bPendingClick = FALSE;
    const LRESULT result = COwnerDrawButton::DefWindowProc(message, wParam, lParam);
    if (GetState() & BST_PUSHED)
        SetState(FALSE);
    return result;
}

void CHoverButton::CompletePendingClick()
{
    if (!m_bPendingClick)
        return;
    SetState(FALSE);
    m_bPendingClick = FALSE;
    NotifyClick();
}

// Without the capture the button no longer sees the pointer leave, nor the
// release that would complete a pending click: both would stay until some
// later mouse message.
void CHoverButton::OnCaptureLost()
{
    CancelPendingClick();
    if (m_bHover) {
        m_bHover = FALSE;
        Invalidate(TRUE);
    }
}

// Tab and Escape are left to the dialog manager; every other key comes here.
LRESULT CHoverButton::DialogCode(const MSG* examined)
{
    const bool leftToDialog = examined && examined->message == WM_KEYDOWN &&
                              (examined->wParam == VK_TAB || examined->wParam == VK_ESCAPE);
    return static_cast<LRESULT>(buttonrules::HoverDialogCode(leftToDialog));
}

LRESULT CHoverButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CHAR:
        if (wParam == ' ' || wParam == '\r') {
            BeginPendingClick();
            if (wParam == '\r')
                NotifyClick();
        }
        break;
    case WM_KEYUP:
        if ((wParam == VK_SPACE || wParam == VK_RETURN) && m_bPendingClick)
            return EndKeyClick(message, wParam, lParam);
        break;
    case WM_LBUTTONUP:
        CompletePendingClick();
        break;
    case WM_KILLFOCUS:
        // The focus went elsewhere before the key came up, to a message box
        // that Enter's command opened, say: the key-up goes there. Kept, the
        // click would wait pushed for the next mouse release and turn that
        // release into two clicks.
        CancelPendingClick();
        break;
    case WM_CAPTURECHANGED:
        // Taking the capture again ourselves changes nothing.
        if (reinterpret_cast<HWND>(lParam) != m_hWnd)
            OnCaptureLost();
        break;
    case WM_LBUTTONDBLCLK:
        // The first click of the pair was an ordinary one; the release that
        // follows sends the second. The button's own processing would report
        // a double click instead, which dialogs do not listen for.
        BeginPendingClick();
        return 0;
    case WM_THEMECHANGED:
        // Also when the button is classic now: themes may just have been
        // switched on, or the theme could not be opened before.
        m_theme.Close();
        m_bReopenTheme = TRUE;
        break;
    case WM_GETDLGCODE:
        return DialogCode(reinterpret_cast<const MSG*>(lParam));
    default:
        break;
    }
    return COwnerDrawButton::DefWindowProc(message, wParam, lParam);
}
