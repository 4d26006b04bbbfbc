// Somewhere text is written to: a standard stream, or a string in tests.
#pragma once
#include <string>

class TextSink {
public:
    virtual ~TextSink() = default;
    // False when not all of the text reached the destination.
    virtual bool Write(const std::string& text) = 0;
    // Makes sure what was written is where it goes; false when it is not.
    virtual bool Flush() { return true; }
};
