#include "platform/Uuid.h"

#include <sys/random.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace platform {

// A version-4 UUID from the kernel's random source.
std::string NewUuidText() {
    // Not std::random_device: it asks the processor's seed instruction, which a busy
    // virtual machine answers in tens of microseconds, a third of a full store's time.
    unsigned char b[16];
    for (size_t done = 0; done < sizeof b;) {
        const ssize_t n = getrandom(b + done, sizeof b - done, 0);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (errno != EINTR)
            std::abort(); // no random source: no name could be trusted to be new
    }
    b[6] = static_cast<unsigned char>((b[6] & 0x0F) | 0x40);
    b[8] = static_cast<unsigned char>((b[8] & 0x3F) | 0x80);
    char text[37];
    std::snprintf(text, sizeof text, "%02x%02x%02x%02x-%02x%02x-%02x%02x-%02x%02x-%02x%02x%02x%02x%02x%02x", b[0],
                  b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
    return text;
}

} // namespace platform
