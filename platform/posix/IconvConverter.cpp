#include "platform/posix/IconvConverter.h"

#include <algorithm>
#include <cerrno>

namespace platform {

IconvConverter::IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}

IconvConverter::~IconvConverter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
}

int IconvConverter::RunExact(const char*& in, size_t& inLeft, std::string& out) {
    char buffer[4096];
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t r = iconv(cd_, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
        const int error = r == static_cast<size_t>(-1) ? errno : 0;
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (error != 0 && error != E2BIG) return error;
    }
    return 0;
}

std::string IconvConverter::Run(const char* in, size_t inLeft, std::string_view substitute, size_t skip,
                                bool* lost) {
    std::string out;
    if (lost) *lost = false;
    for (int error; (error = RunExact(in, inLeft, out)) != 0;) {
        out.append(substitute);
        if (lost) *lost = true;
        const size_t n = error == EINVAL ? inLeft : std::min(skip, inLeft);
        in += n;
        inLeft -= n;
    }
    return out;
}

} // namespace platform
