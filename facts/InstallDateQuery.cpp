#include "facts/InstallDateQuery.h"

#include <windows.h>
#include <wbemidl.h>

#include <mutex>
#include <utility>

#include "framework/ComApartment.h"
#include "framework/Thread.h"

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

struct CInstallDateWorker::Mailbox {
    Mailbox(HWND w, UINT m) : window(w), message(m) {}

    // Posts the answer unless the worker was cancelled; kept here until the
    // window receives it, so that one never received is still freed.
    void Deliver(std::unique_ptr<InstallDateAnswer> answer) {
        std::lock_guard<std::mutex> guard(lock);
        if (closed) return;
        if (::PostMessageA(window, message, 0, reinterpret_cast<LPARAM>(answer.get()))) posted = std::move(answer);
    }

    std::mutex lock;  // guards everything below
    bool closed = false;
    HWND window;
    UINT message;
    std::unique_ptr<InstallDateAnswer> posted;
};

struct CInstallDateWorker::QueryJob {
    std::shared_ptr<Mailbox> mailbox;
    InstallDateQuery query;
};

CInstallDateWorker::CInstallDateWorker() = default;

CInstallDateWorker::~CInstallDateWorker() { Cancel(); }

bool CInstallDateWorker::Start(HWND window, UINT message, InstallDateQuery query) {
    Cancel();
    try {
        m_mailbox = std::make_shared<Mailbox>(window, message);
        auto job = std::make_unique<QueryJob>(QueryJob{m_mailbox, std::move(query)});
        if (!AfxBeginThread(&CInstallDateWorker::QueryThreadProc, job.get())) return false;
        job.release();  // the thread's now
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

UINT CInstallDateWorker::QueryThreadProc(LPVOID param) {
    std::unique_ptr<QueryJob> job(static_cast<QueryJob*>(param));
    try {
        auto answer = std::make_unique<InstallDateAnswer>();
        {
            const CComApartment apartment;
            if (apartment.IsInitialised() && job->query) {
                try {
                    answer->ok = job->query(&answer->cimText);
                } catch (...) {
                    answer->ok = false;  // the same as a query that failed
                }
            }
            // Whatever the query holds goes within its apartment.
            job->query = nullptr;
        }
        if (!answer->ok) answer->cimText.clear();
        job->mailbox->Deliver(std::move(answer));
    } catch (...) {
        // No memory for an answer: the window keeps the failure look.
    }
    return 0;
}

std::unique_ptr<InstallDateAnswer> CInstallDateWorker::Receive(LPARAM lParam) {
    if (!m_mailbox || !lParam) return nullptr;
    std::lock_guard<std::mutex> guard(m_mailbox->lock);
    if (reinterpret_cast<LPARAM>(m_mailbox->posted.get()) != lParam) return nullptr;
    return std::move(m_mailbox->posted);
}

void CInstallDateWorker::Cancel() {
    if (!m_mailbox) return;
    {
        std::lock_guard<std::mutex> guard(m_mailbox->lock);
        m_mailbox->closed = true;
        m_mailbox->posted.reset();
    }
    m_mailbox.reset();
}
