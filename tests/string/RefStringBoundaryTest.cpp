// Strings made in a library and released in the program (and the other way round) go back
// to the allocator of the module that made them.
#include "string/RefString.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

using nook::CRefString;
using nook::ModuleStringAllocator;

using MakeText = CRefString (*)();
using Length = int (*)(CRefString);
using Echo = CRefString (*)(CRefString);
using CountsFn = void (*)(long*, long*);

template <typename Fn>
Fn Bind(HMODULE library, const char* name) {
    // Through void(*)() so that the compiler accepts the change of signature.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

class RefStringBoundary : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = LoadLibraryW(L"refstring_probe.dll");
        ASSERT_NE(library_, nullptr);
        make_ = Bind<MakeText>(library_, "Probe_MakeText");
        length_ = Bind<Length>(library_, "Probe_Length");
        echo_ = Bind<Echo>(library_, "Probe_Echo");
        counts_ = Bind<CountsFn>(library_, "Probe_Counts");
        ASSERT_TRUE(make_ && length_ && echo_ && counts_);
    }
    void TearDown() override {
        if (library_) FreeLibrary(library_);
    }
    long LibraryAllocations() {
        long a, r;
        counts_(&a, &r);
        return a;
    }
    long LibraryReleases() {
        long a, r;
        counts_(&a, &r);
        return r;
    }

    HMODULE library_ = nullptr;
    MakeText make_ = nullptr;
    Length length_ = nullptr;
    Echo echo_ = nullptr;
    CountsFn counts_ = nullptr;
};

TEST_F(RefStringBoundary, LibraryStringIsReleasedIntoTheLibrary) {
    long programReleases = ModuleStringAllocator().Releases();
    long programAllocations = ModuleStringAllocator().Allocations();
    {
        CRefString name = make_();
        EXPECT_EQ(LibraryAllocations(), 1);
        EXPECT_NE(name.Allocator(), &ModuleStringAllocator());
        // It outlives further calls that make and release strings of their own.
        for (int i = 0; i < 10; ++i) EXPECT_EQ(make_().view(), "\xD2\xA1\xC0\xBA\xC7\xFA");
        EXPECT_EQ(LibraryReleases(), 10);
        CRefString copy = name;
        EXPECT_EQ(length_(copy), 6);
        EXPECT_EQ(name.view(), "\xD2\xA1\xC0\xBA\xC7\xFA");
    }
    EXPECT_EQ(LibraryAllocations(), 11);
    EXPECT_EQ(LibraryReleases(), 11);
    EXPECT_EQ(ModuleStringAllocator().Allocations(), programAllocations);
    EXPECT_EQ(ModuleStringAllocator().Releases(), programReleases);
}

TEST_F(RefStringBoundary, ProgramStringPassedToTheLibraryComesBackToTheProgram) {
    long programReleases = ModuleStringAllocator().Releases();
    {
        CRefString path("C:\\Cache\\SSConfig.XML");
        CRefString echoed = echo_(path);
        EXPECT_EQ(echoed.c_str(), path.c_str());
        EXPECT_EQ(echoed.Allocator(), &ModuleStringAllocator());
        EXPECT_EQ(length_(path), 21);
        EXPECT_EQ(ModuleStringAllocator().Releases(), programReleases);
    }
    EXPECT_EQ(ModuleStringAllocator().Releases(), programReleases + 1);
    EXPECT_EQ(LibraryAllocations(), 0);
    EXPECT_EQ(LibraryReleases(), 0);
}

} // namespace
