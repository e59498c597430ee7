// The owner of one iconv conversion, and the two ways the code page functions run it.
#pragma once

#include <iconv.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

class IconvConverter {
public:
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Appends `in` converted to `out` up to the first input iconv cannot take, and
    // returns 0 or iconv's error for that input, where `in` then stands.
    int RunExact(const char*& in, size_t& inLeft, std::string& out);

    // Converts the whole of `in`; on input iconv cannot take, appends `substitute` and
    // skips `skip` input bytes so that the rest still converts.
    std::string Run(const char* in, size_t inLeft, std::string_view substitute, size_t skip, bool* lost);

private:
    iconv_t cd_;
};

} // namespace platform
