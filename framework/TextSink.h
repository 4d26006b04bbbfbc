// Somewhere text is written to: a standard stream, or a string in tests.
#pragma once
#include <string>

class TextSink {
public:
    virtual ~TextSink() = default;
    virtual void Write(const std::string& text) = 0;
};
