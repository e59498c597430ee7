#include "archive/TextReplace.h"

#include "platform/CodePage.h"

#include <array>

namespace nook {

namespace {

bool IsLead(char byte) {
    static const std::array<bool, 256> table = [] {
        std::array<bool, 256> lead{};
        for (int b = 0; b < 256; ++b)
            lead[size_t(b)] = platform::IsLeadByte(static_cast<unsigned char>(b));
        return lead;
    }();
    return table[static_cast<unsigned char>(byte)];
}

// Whether `at` starts a character, given that `floor` does. A byte that cannot lead is
// followed by the start of a character, so only the run of lead-valued bytes right
// before `at` matters: `at` starts a character when that run has even length.
bool StartsCharacter(std::string_view text, size_t at, size_t floor) {
    size_t run = 0;
    while (at - run > floor && IsLead(text[at - run - 1]))
        ++run;
    return run % 2 == 0;
}

} // namespace

size_t FindText(std::string_view text, std::string_view needle, size_t from) {
    if (needle.empty()) return std::string_view::npos;
    size_t candidate = text.find(needle, from);
    while (candidate != std::string_view::npos && !StartsCharacter(text, candidate, from))
        candidate = text.find(needle, candidate + 1);
    return candidate;
}

size_t ReplaceAll(std::string& text, std::string_view needle, std::string_view value) {
    size_t at = FindText(text, needle);
    if (at == std::string::npos) return 0;
    std::string result;
    result.reserve(text.size() + value.size());
    size_t copied = 0;
    size_t count = 0;
    while (at != std::string::npos) {
        result.append(text, copied, at - copied).append(value);
        copied = at + needle.size();
        ++count;
        at = FindText(text, needle, copied);
    }
    result.append(text, copied, std::string::npos);
    text.swap(result);
    return count;
}

} // namespace nook
