// The speech synthesiser as the speech worker sees it: one blocking call.
// Kept free of platform headers so fakes can stand in for it in tests.
#pragma once
#include <functional>
#include <memory>

class IVoice {
public:
    virtual ~IVoice() = default;
    // Speaks a zero-terminated sentence and returns once it has been spoken.
    // Failures are the voice's own business: the caller just goes on.
    virtual void Speak(const wchar_t* text) = 0;
};

// Makes a voice, or returns null when no synthesiser is available. The
// worker calls it on its owner's thread after COM is set up there.
using VoiceFactory = std::function<std::unique_ptr<IVoice>()>;
