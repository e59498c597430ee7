#pragma once

#include <string>

namespace platform {

// A new random UUID in its 36-character text form without braces, lower case.
std::string NewUuidText();

} // namespace platform
