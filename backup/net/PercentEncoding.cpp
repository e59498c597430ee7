#include "net/PercentEncoding.h"

namespace nook {

std::string PercentEncodeOutside(std::string_view text, unsigned char lowest, unsigned char highest) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size());
    for (unsigned char c : text) {
        if (c < lowest || c > highest) {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 15];
        } else {
            encoded += static_cast<char>(c);
        }
    }
    return encoded;
}

} // namespace nook
