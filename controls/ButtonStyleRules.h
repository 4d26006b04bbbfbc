// The owner-drawn push button's answers to the dialog manager, apart from any
// window: which template types may become the default button, how a style
// change keeps the owner-draw type, and the dialog-code bits. The values are
// the Win32 ones (checked against windows.h where the button is built).
#pragma once

namespace buttonrules {

constexpr unsigned kTypeMask = 0x0F;  // BS_TYPEMASK
constexpr unsigned kPushButton = 0x00;
constexpr unsigned kDefPushButton = 0x01;
constexpr unsigned kRadioButton = 0x04;
constexpr unsigned kGroupBox = 0x07;
constexpr unsigned kAutoRadioButton = 0x09;
constexpr unsigned kOwnerDraw = 0x0B;
constexpr unsigned kUnknownType = 0x0F;  // before the button is subclassed

constexpr unsigned kDlgcWantAllKeys = 0x0004;
constexpr unsigned kDlgcDefPushButton = 0x0010;
constexpr unsigned kDlgcUndefPushButton = 0x0020;
constexpr unsigned kDlgcRadioButton = 0x0040;
constexpr unsigned kDlgcStatic = 0x0100;

// What the template said about the button when it was subclassed.
struct TemplateType {
    unsigned type;      // style bits 0-3, a default push button read as a push button
    bool canBeDefault;  // a push button of either kind
    bool isDefault;     // the template's default push button
};

TemplateType ClassifyTemplateStyle(unsigned style);

// The style actually applied for a BM_SETSTYLE request: every bit kept but
// the type, which always reads owner-draw.
unsigned OwnerDrawStyle(unsigned requestedStyle);

// Whether the button is the default after a BM_SETSTYLE request: a default
// push button makes it so, a push button ends it, other types leave it.
bool IsDefaultAfterSetStyle(unsigned requestedStyle, bool wasDefault);

// The dialog code of an owner-drawn button that behaves as its template type.
unsigned OwnerDrawDialogCode(unsigned baseCode, unsigned templateType, bool canBeDefault, bool isDefault);

// The hover button's own answer before the push-button bits: every key goes
// to the button but Tab, so the focus still moves on, and Escape, so the
// dialog can still be cancelled while the button has the focus.
unsigned HoverDialogCode(bool examiningTabOrEscapeKeyDown);

}  // namespace buttonrules
