#include "md5/Md5.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string Digest(const std::string& text) { return nook::Md5DigestText(text.data(), text.size()); }

TEST(Md5, Rfc1321TestSuite) {
    struct Case {
        const char* message;
        const char* digest;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const Case& c : cases) EXPECT_EQ(Digest(c.message), c.digest) << c.message;
}

TEST(Md5, LengthsAroundThePaddingBoundary) {
    // 55 bytes fit one padding block; 56 and more need a second.
    struct Case {
        size_t length;
        const char* digest;
    } cases[] = {
        {55, "ef1772b6dff9a122358552954ad0df65"},
        {56, "3b0c8ac703f828b04c6c197006d17218"},
        {63, "b06521f39153d618550606be297466d5"},
        {64, "014842d480b571495a4a0363793f7367"},
        {65, "c743a45e0d2e6a95cb859adae0248435"},
    };
    for (const Case& c : cases) EXPECT_EQ(Digest(std::string(c.length, 'a')), c.digest) << c.length;
}

TEST(Md5, PiecewiseUpdateEqualsOneUpdateAndFinishClearsTheContext) {
    const std::string text(200, 'x');
    nook::Md5Context context;
    nook::Md5Initialise(context);
    for (size_t i = 0; i < text.size(); i += 7) nook::Md5Update(context, text.data() + i, std::min<size_t>(7, text.size() - i));
    uint8_t digest[16];
    nook::Md5Finish(digest, context);
    char hex[33];
    for (int i = 0; i < 16; ++i) std::snprintf(hex + 2 * i, 3, "%02x", digest[i]);
    EXPECT_EQ(std::string(hex), Digest(text));

    nook::Md5Context zero;
    std::memset(&zero, 0, sizeof zero);
    EXPECT_EQ(std::memcmp(&context, &zero, sizeof zero), 0);
}

TEST(Md5, DigestsTheCodePageBytesAsHeld) {
    // user name "宝宝" in code page 936 followed by the password, nothing between
    EXPECT_EQ(Digest("\xB1\xA6\xB1\xA6" "nook2008"), "59b27e599356b18eb6de83905e31283f");
}

} // namespace
