// Filling a template in one pass. The page templates of old are filled placeholder by
// placeholder, so a value that holds a later placeholder is filled again; the pages
// added since (navigation, year books) carry other people's titles and texts next to the
// markers that keep a book's sections apart, so there a value is never read again.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace nook {

struct Placeholder {
    std::string_view name; // with its braces: "{BlogTitle}"
    std::string_view value;
};

// `pattern` with every placeholder it holds replaced by its value; other text, and
// braces that name no placeholder, stay as they are.
std::string FillTemplate(std::string_view pattern, std::initializer_list<Placeholder> placeholders);

} // namespace nook
