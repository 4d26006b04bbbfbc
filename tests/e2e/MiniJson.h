// A strict reader for the one flat JSON object that Tallvox.exe --json writes:
// members whose values are strings, numbers, true, false, null or arrays of
// strings. Anything that is not valid JSON of that shape is rejected with the
// reason.
#pragma once
#include <string>
#include <vector>

struct JsonMember {
    enum class Kind { String, Number, True, False, Null, Array };
    std::string key;
    Kind kind = Kind::Null;
    std::string text;  // the string's value (escapes resolved), or the number as written
    std::vector<std::string> strings;  // an array's
};

struct JsonObjectReading {
    bool valid = false;
    std::string error;                // why it is not valid
    std::vector<JsonMember> members;  // in the order written

    const JsonMember* Find(const std::string& key) const;
};

JsonObjectReading ReadFlatJsonObject(const std::string& text);
