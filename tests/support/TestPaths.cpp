#include "tests/support/TestPaths.h"

#include "platform/Files.h"
#include "platform/Uuid.h"
#include "util/DirectoryPath.h"

#include <gtest/gtest.h>

#include <cstdlib>

#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

namespace nook::test {

namespace {

std::string WithBackslashes(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path;
}

} // namespace

std::string DataDir() { return WithBackslashes(NOOK_TEST_DATA); }

std::string ScratchDir() {
#ifdef _WIN32
    const char* base = std::getenv("TEMP");
#else
    const char* base = std::getenv("TMPDIR");
    if (!base) base = "/tmp";
#endif
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "nook";
    for (char& c : name)
        if (c == '/' || c == '\\') c = '_';
    std::string dir = WithBackslashes(base ? base : ".") + "nooktest\\" + name + "-" + platform::NewUuidText() + "\\";
    MakeDirectoryPath(dir);
    return dir;
}

std::string ReadAll(const std::string& path) {
    std::string bytes;
    platform::ReadFileBytes(path, bytes);
    return bytes;
}

bool RemoveEmptyFolder(const std::string& path) {
#ifdef _WIN32
    return _rmdir(path.c_str()) == 0; // the ANSI code page is the programs' own
#else
    std::string native = path;
    for (char& c : native)
        if (c == '\\') c = '/';
    return rmdir(native.c_str()) == 0;
#endif
}

} // namespace nook::test
