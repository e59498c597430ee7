// MD5 message digest (RFC 1321).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nook {

struct Md5Context {
    uint32_t state[4];
    uint32_t bitCount[2]; // low word first
    uint8_t buffer[64];
};

void Md5Initialise(Md5Context& context);
void Md5Update(Md5Context& context, const void* bytes, size_t length);
// Writes the digest and clears the context; initialise it again before reuse.
void Md5Finish(uint8_t digest[16], Md5Context& context);

// The digest of the bytes as held, as 32 lowercase hexadecimal characters.
std::string Md5DigestText(const char* text, size_t length);

} // namespace nook
