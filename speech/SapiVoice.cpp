#include "SapiVoice.h"

#include <windows.h>
#include <sapi.h>

namespace {

// Spelled out here rather than taken from a library: mingw-w64's import
// libraries don't carry the SAPI GUIDs, and MSVC would need sapi.lib for them.
const CLSID kClsidSpVoice = {0x96749377, 0x3391, 0x11D2, {0x9E, 0xE3, 0x00, 0xC0, 0x4F, 0x79, 0x73, 0x96}};
const IID kIidSpVoice = {0x6C44DF74, 0x72B9, 0x4992, {0xA1, 0xEC, 0xEF, 0x99, 0x6E, 0x04, 0x22, 0xD4}};

class CSapiVoice final : public IVoice {
public:
    // Takes over the one reference the caller holds.
    explicit CSapiVoice(ISpVoice* voice) : m_pVoice(voice) {}
    ~CSapiVoice() override { m_pVoice->Release(); }

    CSapiVoice(const CSapiVoice&) = delete;
    CSapiVoice& operator=(const CSapiVoice&) = delete;

    void Speak(const wchar_t* text) override
    {
        // Flags 0: synchronous, so the call returns when the sentence is over.
        // A voice that can't speak (E_NOTIMPL under Wine, for one) is no
        // reason to stop taking sentences, so the result is not looked at.
        ULONG streamNumber = 0;
        m_pVoice->Speak(text, 0, &streamNumber);
    }

private:
    ISpVoice* m_pVoice;
};

} // namespace

std::unique_ptr<IVoice> CreateSapiVoice()
{
    ISpVoice* voice = nullptr;
    HRESULT hr = CoCreateInstance(kClsidSpVoice, nullptr, CLSCTX_INPROC_SERVER, kIidSpVoice,
                                  reinterpret_cast<void**>(&voice));
    if (FAILED(hr) || voice == nullptr)
        return nullptr;
    try {
        return std::make_unique<CSapiVoice>(voice);
    } catch (...) {
        voice->Release();
        return nullptr;
    }
}
