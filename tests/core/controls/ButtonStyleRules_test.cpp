#include <gtest/gtest.h>

#include "controls/ButtonStyleRules.h"

using namespace buttonrules;

namespace {

constexpr unsigned kTabStop = 0x00010000;  // WS_TABSTOP, a bit the type rewrite must keep
constexpr unsigned kNotify = 0x00004000;   // BS_NOTIFY

} // namespace

TEST(ButtonTemplateType, PushButtonsMayBecomeTheDefaultAndADefaultOneIsRecordedAsPlain)
{
    const TemplateType def = ClassifyTemplateStyle(kDefPushButton | kTabStop);
    EXPECT_EQ(def.type, kPushButton);
    EXPECT_TRUE(def.canBeDefault);
    EXPECT_TRUE(def.isDefault);

    const TemplateType push = ClassifyTemplateStyle(kPushButton | kTabStop);
    EXPECT_EQ(push.type, kPushButton);
    EXPECT_TRUE(push.canBeDefault);
    EXPECT_FALSE(push.isDefault);

    for (unsigned type = 2; type <= kTypeMask; ++type) {
        const TemplateType other = ClassifyTemplateStyle(type | kNotify);
        EXPECT_EQ(other.type, type);
        EXPECT_FALSE(other.canBeDefault) << type;
        EXPECT_FALSE(other.isDefault) << type;
    }
}

TEST(ButtonSetStyle, EveryRequestedTypeBecomesOwnerDrawAndOtherBitsStay)
{
    for (unsigned type = 0; type <= kTypeMask; ++type) {
        const unsigned applied = OwnerDrawStyle(type | kTabStop | kNotify);
        EXPECT_EQ(applied & kTypeMask, kOwnerDraw) << type;
        EXPECT_EQ(applied & ~kTypeMask, kTabStop | kNotify) << type;
    }
}

TEST(ButtonSetStyle, DefaultFollowsPushButtonTypesOnly)
{
    EXPECT_TRUE(IsDefaultAfterSetStyle(kDefPushButton, false));
    EXPECT_TRUE(IsDefaultAfterSetStyle(kDefPushButton | kTabStop, true));
    EXPECT_FALSE(IsDefaultAfterSetStyle(kPushButton, true));
    EXPECT_FALSE(IsDefaultAfterSetStyle(kPushButton | kTabStop, false));
    // Any other type leaves the state as it was.
    EXPECT_TRUE(IsDefaultAfterSetStyle(kOwnerDraw, true));
    EXPECT_FALSE(IsDefaultAfterSetStyle(kOwnerDraw, false));
    EXPECT_TRUE(IsDefaultAfterSetStyle(kGroupBox, true));
}

TEST(ButtonDialogCode, PushButtonsAddTheirDefaultBit)
{
    EXPECT_EQ(OwnerDrawDialogCode(kDlgcWantAllKeys, kPushButton, true, false),
              kDlgcWantAllKeys | kDlgcUndefPushButton);
    EXPECT_EQ(OwnerDrawDialogCode(kDlgcWantAllKeys, kPushButton, true, true), kDlgcWantAllKeys | kDlgcDefPushButton);
    EXPECT_EQ(OwnerDrawDialogCode(0, kPushButton, true, false), kDlgcUndefPushButton);
    EXPECT_EQ(OwnerDrawDialogCode(0, kPushButton, true, true), kDlgcDefPushButton);
    // Made the default by a restyle although the template type could not be.
    EXPECT_EQ(OwnerDrawDialogCode(0, kOwnerDraw, false, true), kDlgcDefPushButton);
}

TEST(ButtonDialogCode, OtherTemplateTypesKeepTheirOwnCharacter)
{
    EXPECT_EQ(OwnerDrawDialogCode(kDlgcWantAllKeys, kRadioButton, false, false),
              kDlgcWantAllKeys | kDlgcRadioButton);
    EXPECT_EQ(OwnerDrawDialogCode(0, kAutoRadioButton, false, false), kDlgcRadioButton);
    EXPECT_EQ(OwnerDrawDialogCode(kDlgcWantAllKeys, kGroupBox, false, false), kDlgcStatic);
    EXPECT_EQ(OwnerDrawDialogCode(kDlgcWantAllKeys, kOwnerDraw, false, false), kDlgcWantAllKeys);
    EXPECT_EQ(OwnerDrawDialogCode(kDlgcWantAllKeys, kUnknownType, false, false), kDlgcWantAllKeys);
}

TEST(ButtonDialogCode, HoverButtonWantsEveryKeyButTabAndEscape)
{
    EXPECT_EQ(HoverDialogCode(true), 0u);
    EXPECT_EQ(HoverDialogCode(false), kDlgcWantAllKeys);
}
