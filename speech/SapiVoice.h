// The real synthesiser: a SAPI 5 voice created through COM.
#pragma once
#include <memory>
#include "speech/Voice.h"

// Creates the system's default SAPI voice, or returns null when there is none.
// COM must already be initialised on the calling thread.
std::unique_ptr<IVoice> CreateSapiVoice();
