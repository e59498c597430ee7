#include "tests/support/HeadlessBrowser.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace nook::test {
namespace {

constexpr const char* kBrowser = "/usr/bin/chromium";

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

// The command line shared by every call: headless, no network, a profile of its own.
std::string BrowserCommand(const std::string& profile) {
    return std::string(kBrowser) +
           " --headless --no-sandbox --disable-gpu --disable-background-networking"
           " --disable-component-update --no-first-run --user-data-dir=" +
           Quoted(profile);
}

class ScratchProfile {
  public:
    ScratchProfile() {
        char pattern[] = "/tmp/nook-browser-XXXXXX";
        if (mkdtemp(pattern))
            path_ = pattern;
    }
    ~ScratchProfile() {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    ScratchProfile(const ScratchProfile&) = delete;
    ScratchProfile& operator=(const ScratchProfile&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// What the command prints; empty when it could not run or failed.
std::string CommandOutput(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return {};
    std::string output;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, got);
    return pclose(pipe) == 0 ? output : std::string();
}

} // namespace

bool BrowserAvailable() { return access(kBrowser, X_OK) == 0; }

std::string DumpDom(const std::string& url, int waitMs) {
    ScratchProfile profile;
    if (profile.Path().empty())
        return {};
    return CommandOutput(BrowserCommand(profile.Path()) + " --virtual-time-budget=" + std::to_string(waitMs) +
                         " --dump-dom " + Quoted(url) + " 2>/dev/null");
}

bool PrintToPdf(const std::string& url, const std::string& pdfPath) {
    ScratchProfile profile;
    if (profile.Path().empty())
        return false;
    std::error_code ignored;
    std::filesystem::remove(pdfPath, ignored);
    std::string command = BrowserCommand(profile.Path()) + " --no-pdf-header-footer --print-to-pdf=" +
                          Quoted(pdfPath) + " " + Quoted(url) + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0 && std::filesystem::file_size(pdfPath, ignored) > 0 &&
           !ignored;
}

bool PdfToolsAvailable() { return access("/usr/bin/pdftotext", X_OK) == 0 && access("/usr/bin/pdfimages", X_OK) == 0; }

std::string PdfText(const std::string& pdfPath) {
    return CommandOutput("/usr/bin/pdftotext -enc UTF-8 " + Quoted(pdfPath) + " - 2>/dev/null");
}

std::string PdfImageList(const std::string& pdfPath) {
    return CommandOutput("/usr/bin/pdfimages -list " + Quoted(pdfPath) + " 2>/dev/null");
}

std::string FileUrl(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : std::filesystem::absolute(path).string()) {
        if (isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~')
            url += static_cast<char>(c);
        else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 15];
        }
    }
    return url;
}

std::string NativePath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

} // namespace nook::test
