#include "archive/TemplateFill.h"

#include "archive/TextReplace.h"

#include <vector>

namespace nook {

std::string FillTemplate(std::string_view pattern, std::initializer_list<Placeholder> placeholders) {
    // Found first, so that the text is made at its size: book sections are kept in
    // memory for a whole backup.
    struct Found {
        size_t at;
        const Placeholder* placeholder;
    };
    std::vector<Found> found;
    size_t size = pattern.size();
    size_t at = 0;
    while ((at = FindText(pattern, "{", at)) != std::string_view::npos) {
        const Placeholder* match = nullptr;
        for (const Placeholder& placeholder : placeholders)
            if (pattern.compare(at, placeholder.name.size(), placeholder.name) == 0) match = &placeholder;
        if (!match) {
            ++at;
            continue;
        }
        found.push_back({at, match});
        size = size - match->name.size() + match->value.size();
        at += match->name.size();
    }
    std::string filled;
    filled.reserve(size);
    size_t from = 0; // copied up to here
    for (const Found& placeholder : found) {
        filled.append(pattern.substr(from, placeholder.at - from)).append(placeholder.placeholder->value);
        from = placeholder.at + placeholder.placeholder->name.size();
    }
    filled.append(pattern.substr(from));
    return filled;
}

} // namespace nook
