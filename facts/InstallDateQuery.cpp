#include "facts/InstallDateQuery.h"

#include <windows.h>
#include <wbemidl.h>

#include "framework/ComApartment.h"

namespace {

// Releases a COM interface when the query step that got it ends.
template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (m_p) m_p->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    Interface** operator&() { return &m_p; }
    Interface* operator->() const { return m_p; }
    Interface* Get() const { return m_p; }

private:
    Interface* m_p = nullptr;
};

class Bstr {
public:
    explicit Bstr(const wchar_t* text) : m_b(::SysAllocString(text)) {}
    ~Bstr() { ::SysFreeString(m_b); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    operator BSTR() const { return m_b; }

private:
    BSTR m_b;
};

const CLSID kClsidWbemLocator = {0x4590F811, 0x1D3A, 0x11D0, {0x89, 0x1F, 0x00, 0xAA, 0x00, 0x4B, 0x2E, 0x24}};
const IID kIidWbemLocator = {0xDC12A687, 0x737F, 0x11CF, {0x88, 0x4D, 0x00, 0xAA, 0x00, 0x4B, 0x2E, 0x24}};

}  // namespace

bool QueryInstallDate(std::string* cimText) {
    ComPtr<IWbemLocator> locator;
    if (FAILED(::CoCreateInstance(kClsidWbemLocator, nullptr, CLSCTX_INPROC_SERVER, kIidWbemLocator,
                                  reinterpret_cast<void**>(&locator))))
        return false;

    ComPtr<IWbemServices> services;
    Bstr nameSpace(L"ROOT\\CIMV2");
    if (FAILED(locator->ConnectServer(nameSpace, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services)))
        return false;

    if (FAILED(::CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                   RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE)))
        return false;

    ComPtr<IEnumWbemClassObject> enumerator;
    Bstr language(L"WQL");
    Bstr query(L"SELECT * FROM Win32_OperatingSystem");
    if (FAILED(services->ExecQuery(language, query, WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                   &enumerator)))
        return false;

    ComPtr<IWbemClassObject> os;
    ULONG returned = 0;
    if (FAILED(enumerator->Next(static_cast<long>(WBEM_INFINITE), 1, &os, &returned)) || returned == 0)
        return false;

    VARIANT value;
    ::VariantInit(&value);
    bool ok = false;
    if (SUCCEEDED(os->Get(L"InstallDate", 0, &value, nullptr, nullptr)) &&
        SUCCEEDED(::VariantChangeType(&value, &value, 0, VT_BSTR)) && value.bstrVal) {
        const int length = ::WideCharToMultiByte(CP_ACP, 0, value.bstrVal, -1, nullptr, 0, nullptr, nullptr);
        if (length > 0) {
            std::string text(static_cast<size_t>(length), '\0');
            ::WideCharToMultiByte(CP_ACP, 0, value.bstrVal, -1, &text[0], length, nullptr, nullptr);
            text.resize(static_cast<size_t>(length) - 1);
            *cimText = text;
            ok = true;
        }
    }
    ::VariantClear(&value);
    return ok;
}

InstallDateAnswer AskInstallDate(const InstallDateQuery& query) {
    InstallDateAnswer answer;
    const CComApartment apartment;
    if (apartment.IsInitialised() && query) {
        try {
            answer.ok = query(&answer.cimText);
        } catch (...) {
            answer.ok = false;  // the same as a query that failed
        }
    }
    if (!answer.ok) answer.cimText.clear();
    return answer;
}
