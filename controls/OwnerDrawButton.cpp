#include "controls/OwnerDrawButton.h"

#include "controls/ButtonStyleRules.h"

static_assert(buttonrules::kTypeMask == BS_TYPEMASK, "button type mask");
static_assert(buttonrules::kPushButton == BS_PUSHBUTTON && buttonrules::kDefPushButton == BS_DEFPUSHBUTTON,
              "push button types");
static_assert(buttonrules::kRadioButton == BS_RADIOBUTTON && buttonrules::kAutoRadioButton == BS_AUTORADIOBUTTON &&
                  buttonrules::kGroupBox == BS_GROUPBOX && buttonrules::kOwnerDraw == BS_OWNERDRAW,
              "other button types");
static_assert(buttonrules::kDlgcWantAllKeys == DLGC_WANTALLKEYS &&
                  buttonrules::kDlgcDefPushButton == DLGC_DEFPUSHBUTTON &&
                  buttonrules::kDlgcUndefPushButton == DLGC_UNDEFPUSHBUTTON &&
                  buttonrules::kDlgcRadioButton == DLGC_RADIOBUTTON && buttonrules::kDlgcStatic == DLGC_STATIC,
              "dialog codes");

const MessageMap* COwnerDrawButton::ThisMessageMap()
{
    using T = COwnerDrawButton;
    static const MessageEntry entries[] = {
        OnMessage(WM_GETDLGCODE, &msg::Raw<T, &T::OnGetDlgCode>),
        OnMessage(BM_SETSTYLE, &msg::Raw<T, &T::OnSetStyle>),
    };
    static const MessageMap map{CButton::ThisMessageMap(), entries, sizeof entries / sizeof entries[0]};
    return &map;
}

const MessageMap* COwnerDrawButton::GetMessageMap() const { return ThisMessageMap(); }

void COwnerDrawButton::PreSubclassWindow()
{
    const buttonrules::TemplateType found = buttonrules::ClassifyTemplateStyle(GetStyle());
    m_nType = static_cast<int>(found.type);
    m_bCanBeDefault = found.canBeDefault;
    m_bIsDefault = found.isDefault;
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

LRESULT COwnerDrawButton::OnGetDlgCode(WPARAM, LPARAM)
{
    const auto code = static_cast<unsigned>(Default());
    return static_cast<LRESULT>(buttonrules::OwnerDrawDialogCode(code, static_cast<unsigned>(m_nType),
                                                                 m_bCanBeDefault != FALSE, m_bIsDefault != FALSE));
}

// The dialog manager moves the default button by restyling the old and the
// new one; the button follows it but stays owner-drawn.
LRESULT COwnerDrawButton::OnSetStyle(WPARAM style, LPARAM redraw)
{
    const auto requested = static_cast<unsigned>(style);
    m_bIsDefault = buttonrules::IsDefaultAfterSetStyle(requested, m_bIsDefault != FALSE);
    return DefWindowProc(BM_SETSTYLE, buttonrules::OwnerDrawStyle(requested), redraw);
}
