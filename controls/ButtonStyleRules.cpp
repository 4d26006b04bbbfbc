#include "controls/ButtonStyleRules.h"

namespace buttonrules {

TemplateType ClassifyTemplateStyle(unsigned style)
{
    const unsigned type = style & kTypeMask;
    if (type == kDefPushButton)
        return TemplateType{kPushButton, true, true};
    return TemplateType{type, type == kPushButton, false};
}

unsigned OwnerDrawStyle(unsigned requestedStyle)
{
    // Clearing bit 2 leaves only bits the owner-draw type sets anyway, so the
    // type reads owner-draw whatever was asked for.
    return (requestedStyle & ~0x04u) | kOwnerDraw;
}

bool IsDefaultAfterSetStyle(unsigned requestedStyle, bool wasDefault)
{
    const unsigned type = requestedStyle & kTypeMask;
    if (type == kDefPushButton)
        return true;
    if (type == kPushButton)
        return false;
    return wasDefault;
}

unsigned OwnerDrawDialogCode(unsigned baseCode, unsigned templateType, bool canBeDefault, bool isDefault)
{
    unsigned code = baseCode;
    if (templateType == kRadioButton || templateType == kAutoRadioButton)
        code |= kDlgcRadioButton;
    else if (templateType == kGroupBox)
        code = kDlgcStatic;
    if (canBeDefault || isDefault)
        code |= isDefault ? kDlgcDefPushButton : kDlgcUndefPushButton;
    return code;
}

unsigned HoverDialogCode(bool examiningTabOrEscapeKeyDown)
{
    return examiningTabOrEscapeKeyDown ? 0u : kDlgcWantAllKeys;
}

}  // namespace buttonrules
