// The owner-drawn push button in real dialogs: it becomes owner-drawn and
// still answers the dialog manager as the push button of its template.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/HoverButton.h"
#include "framework/Dialog.h"
#include "resource.h"
#include "win/controls/ButtonTestSupport.h"

using buttontest::TestDialog;

namespace {

constexpr WORD kDefault = 1001;
constexpr WORD kOther = 1002;

class ProbeButton : public CHoverButton {
public:
    int TemplateType() const { return m_nType; }
    bool IsDefault() const { return m_bIsDefault != FALSE; }
    bool CanBeDefault() const { return m_bCanBeDefault != FALSE; }
};

UINT TypeOf(HWND button)
{
    return static_cast<UINT>(::GetWindowLongPtrA(button, GWL_STYLE)) & BS_TYPEMASK;
}

UINT DialogCode(HWND control, const MSG* examined = nullptr)
{
    return static_cast<UINT>(::SendMessageA(control, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(examined)));
}

class OwnerDrawButtonTest : public ::testing::Test {
protected:
    OwnerDrawButtonTest()
        : m_dialog({{kDefault, BS_DEFPUSHBUTTON | WS_TABSTOP, L"One"}, {kOther, BS_PUSHBUTTON | WS_TABSTOP, L"Two"}})
    {
    }
    void SetUp() override
    {
        ASSERT_NE(m_dialog.Get(), nullptr);
        EXPECT_EQ(m_one.TemplateType(), 0x0F) << "unknown before subclassing";
        ASSERT_TRUE(m_one.SubclassDlgItem(kDefault, &m_dialog.Object()));
        ASSERT_TRUE(m_two.SubclassDlgItem(kOther, &m_dialog.Object()));
    }

    TestDialog m_dialog;
    ProbeButton m_one;
    ProbeButton m_two;
};

} // namespace

TEST_F(OwnerDrawButtonTest, TemplateButtonsBecomeOwnerDrawnAndAnswerAsPushButtons)
{
    EXPECT_EQ(TypeOf(m_one), static_cast<UINT>(BS_OWNERDRAW));
    EXPECT_EQ(m_one.TemplateType(), BS_PUSHBUTTON);
    EXPECT_TRUE(m_one.IsDefault());
    EXPECT_TRUE(m_one.CanBeDefault());
    EXPECT_EQ(DialogCode(m_one), static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_DEFPUSHBUTTON));

    EXPECT_EQ(TypeOf(m_two), static_cast<UINT>(BS_OWNERDRAW));
    EXPECT_EQ(m_two.TemplateType(), BS_PUSHBUTTON);
    EXPECT_FALSE(m_two.IsDefault());
    EXPECT_TRUE(m_two.CanBeDefault());
    EXPECT_EQ(DialogCode(m_two), static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_UNDEFPUSHBUTTON));

    // Tab is left to the dialog, every other key comes to the button.
    MSG tab{m_two, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_EQ(DialogCode(m_two, &tab), static_cast<UINT>(DLGC_UNDEFPUSHBUTTON));
    EXPECT_EQ(DialogCode(m_one, &tab), static_cast<UINT>(DLGC_DEFPUSHBUTTON));

    MSG enter{m_two, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_EQ(DialogCode(m_two, &enter), static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_UNDEFPUSHBUTTON));
    MSG tabChar{m_two, WM_CHAR, '\t', 0, 0, {}};
    EXPECT_EQ(DialogCode(m_two, &tabChar), static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_UNDEFPUSHBUTTON));
    MSG tabUp{m_two, WM_KEYUP, VK_TAB, 0, 0, {}};
    EXPECT_EQ(DialogCode(m_two, &tabUp), static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_UNDEFPUSHBUTTON));
}

TEST_F(OwnerDrawButtonTest, DefaultMovesWithTheDialogManagerAndTheTypeStaysOwnerDraw)
{
    ::SendMessageA(m_dialog.Get(), DM_SETDEFID, kOther, 0);
    EXPECT_FALSE(m_one.IsDefault());
    EXPECT_TRUE(m_two.IsDefault());
    EXPECT_EQ(DialogCode(m_one), static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_UNDEFPUSHBUTTON));
    EXPECT_EQ(DialogCode(m_two), static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_DEFPUSHBUTTON));
    EXPECT_EQ(TypeOf(m_one), static_cast<UINT>(BS_OWNERDRAW));
    EXPECT_EQ(TypeOf(m_two), static_cast<UINT>(BS_OWNERDRAW));

    ::SendMessageA(m_dialog.Get(), DM_SETDEFID, kDefault, 0);
    EXPECT_TRUE(m_one.IsDefault());
    EXPECT_FALSE(m_two.IsDefault());
    EXPECT_EQ(DialogCode(m_two), static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_UNDEFPUSHBUTTON));
    EXPECT_EQ(TypeOf(m_one), static_cast<UINT>(BS_OWNERDRAW));
}

TEST_F(OwnerDrawButtonTest, SetStyleOfAnyTypeKeepsOwnerDrawAndOnlyPushTypesMoveTheDefault)
{
    ::SendMessageA(m_two, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(TypeOf(m_two), static_cast<UINT>(BS_OWNERDRAW));
    EXPECT_EQ(DialogCode(m_two), static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_DEFPUSHBUTTON));

    ::SendMessageA(m_two, BM_SETSTYLE, BS_CHECKBOX, TRUE);
    EXPECT_EQ(TypeOf(m_two), static_cast<UINT>(BS_OWNERDRAW));
    EXPECT_TRUE(m_two.IsDefault()) << "other types leave the default alone";

    ::SendMessageA(m_two, BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
    EXPECT_EQ(TypeOf(m_two), static_cast<UINT>(BS_OWNERDRAW));
    EXPECT_EQ(DialogCode(m_two), static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_UNDEFPUSHBUTTON));
    EXPECT_NE(::GetWindowLongPtrA(m_two, GWL_STYLE) & WS_TABSTOP, 0) << "other style bits stay";
}

TEST(OwnerDrawButtonTypes, OtherTemplateTypesKeepTheirDialogCharacter)
{
    TestDialog dialog({{1101, BS_AUTORADIOBUTTON, L"Radio"},
                       {1102, BS_GROUPBOX, L"Group"},
                       {1103, BS_CHECKBOX, L"Check"},
                       {1104, BS_OWNERDRAW, L"Plain"}});
    ASSERT_NE(dialog.Get(), nullptr);
    ProbeButton radio;
    ProbeButton group;
    ProbeButton check;
    ASSERT_TRUE(radio.SubclassDlgItem(1101, &dialog.Object()));
    ASSERT_TRUE(group.SubclassDlgItem(1102, &dialog.Object()));
    ASSERT_TRUE(check.SubclassDlgItem(1103, &dialog.Object()));

    EXPECT_EQ(radio.TemplateType(), BS_AUTORADIOBUTTON);
    EXPECT_FALSE(radio.CanBeDefault());
    EXPECT_EQ(DialogCode(radio), static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_RADIOBUTTON));
    EXPECT_EQ(DialogCode(group), static_cast<UINT>(DLGC_STATIC));
    EXPECT_EQ(DialogCode(check), static_cast<UINT>(DLGC_WANTALLKEYS));
    EXPECT_EQ(TypeOf(radio), static_cast<UINT>(BS_OWNERDRAW));
    EXPECT_EQ(TypeOf(group), static_cast<UINT>(BS_OWNERDRAW));

    // The base class alone adds its bit to the control's own answer, which
    // an unbound owner-drawn button shows.
    const UINT plainCode = DialogCode(dialog.Item(1104));
    COwnerDrawButton bare;
    TestDialog second({{1201, BS_PUSHBUTTON, L"Bare"}});
    ASSERT_TRUE(bare.SubclassDlgItem(1201, &second.Object()));
    EXPECT_EQ(DialogCode(bare), plainCode | DLGC_UNDEFPUSHBUTTON);
    EXPECT_EQ(TypeOf(bare), static_cast<UINT>(BS_OWNERDRAW));
}

TEST(OwnerDrawButtonTemplates, TheProgramsButtonsArePushButtonsInTheirTemplates)
{
    const struct {
        UINT dialog;
        int button;
    } cases[] = {{IDD_TALLVOX_DIALOG, IDC_SIZE_BUTTON}, {IDD_AUTORUN, IDC_AUTORUN_BUTTON}, {IDD_ABOUT, IDC_HOMEPAGE}};
    for (const auto& c : cases) {
        CDialog dialog(c.dialog, nullptr);
        ASSERT_TRUE(dialog.Create()) << c.dialog;
        HWND control = dialog.GetDlgItem(c.button);
        ASSERT_NE(control, nullptr) << c.button;
        EXPECT_EQ(TypeOf(control), static_cast<UINT>(BS_PUSHBUTTON)) << c.button;

        CHoverButton button;
        ASSERT_TRUE(button.SubclassDlgItem(static_cast<UINT>(c.button), &dialog));
        EXPECT_EQ(TypeOf(control), static_cast<UINT>(BS_OWNERDRAW)) << c.button;
        EXPECT_EQ(DialogCode(control), static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_UNDEFPUSHBUTTON)) << c.button;
        ::DestroyWindow(dialog.GetSafeHwnd());
    }
}
