// The named character references that the full build decodes.
#pragma once

#include <string_view>

namespace nook::xml {

// The code point of a named reference given in lower case, or 0 when unknown.
long LookUpEntity(std::string_view lowerName);

// The shape of the table, for checking it.
int EntityBucketCount();
int EntityCount(int bucket);

} // namespace nook::xml
