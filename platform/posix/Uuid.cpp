#include "platform/Uuid.h"

#include <cstdio>
#include <random>

namespace platform {

// A version-4 UUID from the kernel's random source.
std::string NewUuidText() {
    // Opening the source costs more than reading it; each thread keeps its own.
    thread_local std::random_device rd;
    unsigned char b[16];
    for (int i = 0; i < 16; i += 4) {
        const unsigned word = rd();
        for (int k = 0; k < 4; ++k) b[i + k] = static_cast<unsigned char>(word >> (8 * k));
    }
    b[6] = static_cast<unsigned char>((b[6] & 0x0F) | 0x40);
    b[8] = static_cast<unsigned char>((b[8] & 0x3F) | 0x80);
    char text[37];
    std::snprintf(text, sizeof text, "%02x%02x%02x%02x-%02x%02x-%02x%02x-%02x%02x-%02x%02x%02x%02x%02x%02x", b[0],
                  b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
    return text;
}

} // namespace platform
