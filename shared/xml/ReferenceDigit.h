// The digits of a numeric character reference ("&#65;", "&#x41;"), read alike by the
// reduced build's decoder and by checks that decode as a browser does.
#pragma once

namespace nook::xml {

// The value of `c` as a decimal digit, or as a hexadecimal one when `hex`; -1 when it
// is no such digit.
constexpr int ReferenceDigit(char c, bool hex) {
    if (c >= '0' && c <= '9') return c - '0';
    if (hex && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace nook::xml
