// Which elements and attributes of other people's HTML an archived page keeps: a
// formatting subset, links and photos. Everything not listed is dropped.
#pragma once

#include <string>
#include <string_view>

namespace nook {

enum class ElementKeeping {
    kDropTag,         // the tag goes, its content stays (unknown elements, frames, forms, plug-ins)
    kDropWithContent, // script, style and the elements whose content is no page text
    kDropRest,        // plaintext: all that follows would be shown as markup
    kKeep,
    kKeepVoid, // br, hr, img: no content, no end tag
};

struct ElementRule {
    std::string_view name; // lower case, for as long as the program runs
    ElementKeeping keeping = ElementKeeping::kDropTag;
};

// The rule for the element `name` (lower case).
ElementRule ElementRuleFor(std::string_view name);

enum class AttributeKeeping { kNotListed, kDropped, kKept };

// What the kept element `element` does with attribute `name` (lower case) and `value`
// (as written): not listed for it, listed but the value dropped, or kept with `written`
// as the value's markup for double quotes.
AttributeKeeping KeepAttribute(std::string_view element, std::string_view name, std::string_view value,
                               std::string& written);

} // namespace nook
