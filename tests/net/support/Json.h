// A small JSON reader for the stand-in service's admin answers.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nook::test {

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text; // UTF-8
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    // The member's value; a null value when absent or when this is not an object.
    const JsonValue& operator[](std::string_view name) const;
};

// False on malformed input.
bool ParseJson(std::string_view text, JsonValue& value);

// A string of characters U+0000..U+00FF (one per byte, as the service logs raw bytes)
// back to those bytes.
std::string Latin1Bytes(const std::string& utf8);

} // namespace nook::test
