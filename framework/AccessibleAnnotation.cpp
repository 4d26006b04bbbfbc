#include "framework/AccessibleAnnotation.h"

#include <oleacc.h>

namespace {

const CLSID kClsidAccPropServices = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
const IID kIidAccPropServices = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
const GUID kPropValue = {0x123fe443, 0x211a, 0x4615, {0x95, 0x27, 0xc4, 0x5a, 0x7e, 0x93, 0x71, 0x7a}};
const GUID kPropRole = {0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};

// The control itself, not one of its parts.
constexpr DWORD kClient = static_cast<DWORD>(OBJID_CLIENT);
constexpr DWORD kSelf = CHILDID_SELF;

std::wstring Wide(const std::string& text) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

}  // namespace

CAccessibleAnnotation::CAccessibleAnnotation() = default;

CAccessibleAnnotation::~CAccessibleAnnotation() = default;

IAccPropServices* CAccessibleAnnotation::Services() {
    if (!m_services)
        ::CoCreateInstance(kClsidAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIidAccPropServices,
                           reinterpret_cast<void**>(m_services.Put()));
    return m_services.Get();
}

bool CAccessibleAnnotation::SetValue(HWND control, const std::string& value) {
    IAccPropServices* services = Services();
    if (!services) return false;
    const std::wstring text = Wide(value);
    return SUCCEEDED(services->SetHwndPropStr(control, kClient, kSelf, kPropValue, text.c_str()));
}

bool CAccessibleAnnotation::SetRole(HWND control, long role) {
    IAccPropServices* services = Services();
    if (!services) return false;
    VARIANT variant{};
    variant.vt = VT_I4;
    variant.lVal = role;
    return SUCCEEDED(services->SetHwndProp(control, kClient, kSelf, kPropRole, variant));
}

void CAccessibleAnnotation::Clear(HWND control) {
    if (!m_services) return;
    MSAAPROPID props[] = {kPropValue, kPropRole};
    m_services.Get()->ClearHwndProps(control, kClient, kSelf, props, 2);
}
