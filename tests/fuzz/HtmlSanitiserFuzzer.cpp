// libFuzzer target for SanitiseHtml. The input is any bytes, taken as code page 936
// HTML. The result must be safe as a browser control reads it (HtmlSafetyCheck.h) and
// must come back unchanged from a second pass; anything else aborts.
#include "archive/HtmlSanitiser.h"
#include "tests/fuzz/HtmlSafetyCheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void PrintText(const char* label, std::string_view text) {
    std::fprintf(stderr, "%s [", label);
    for (unsigned char c : text)
        std::fprintf(stderr, c >= 0x20 && c < 0x7F && c != '\\' ? "%c" : "\\x%02X", c);
    std::fputs("]\n", stderr);
}

[[noreturn]] void Fail(const std::string& what, std::string_view input, std::string_view output) {
    std::fprintf(stderr, "html sanitiser fuzz check failed: %s\n", what.c_str());
    PrintText("input", input);
    PrintText("output", output);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string output = nook::SanitiseHtml(input);
    if (const std::string fault = nook::test::FindHtmlFault(output); !fault.empty()) Fail(fault, input, output);
    const std::string again = nook::SanitiseHtml(output);
    if (again != output) {
        PrintText("sanitised again", again);
        Fail("sanitising the output changes it", input, output);
    }
    return 0;
}
