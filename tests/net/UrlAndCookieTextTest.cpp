// The text rules of the fetch engine: session cookie capture, the cookie header and the
// percent-encoding of photo addresses.
#include "net/HttpFetcher.h"
#include "net/HttpFileFetcher.h"
#include "net/SessionCookie.h"

#include <gtest/gtest.h>

namespace nook {
namespace {

struct CookieCase {
    const char* setCookie;
    bool found;
    const char* cookie; // afterwards; "kept" is the value held before
};

TEST(SessionCookieText, TakesNameAndValueFromTheSessionCookieOnly) {
    const CookieCase cases[] = {
        {"ASPSESSIONIDQQGGGNCG=LKJHGFDSAPOIUYTREWQMNBVC; path=/", true,
         "ASPSESSIONIDQQGGGNCG=LKJHGFDSAPOIUYTREWQMNBVC"},
        {"ASPSESSIONIDAB=VALUE", true, "ASPSESSIONIDAB=VALUE"},
        {"ASPSESSIONIDAB=VALUE path=/; secure", true, "ASPSESSIONIDAB=VALUE"},
        {"ASPSESSIONIDAB=VALUE;path=/", true, "ASPSESSIONIDAB=VALUE"},
        {"theme=blue; ASPSESSIONIDAB=VALUE; path=/", true, "ASPSESSIONIDAB=VALUE"},
        {"NookPrefs=skin%3Dpastel; path=/", false, "kept"},
        {"aspsessionidab=value; path=/", false, "kept"},
        {"", false, "kept"},
    };
    for (const CookieCase& c : cases) {
        std::string cookie = "kept";
        EXPECT_EQ(ExtractSessionCookie(c.setCookie, cookie), c.found) << c.setCookie;
        EXPECT_EQ(cookie, c.cookie) << c.setCookie;
    }
}

TEST(SessionCookieText, EmptyCookieMakesNoHeader) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {" \t\r\n", ""},
        {"ASPSESSIONIDAB=VALUE", "Cookie: ASPSESSIONIDAB=VALUE"},
        {"  ASPSESSIONIDAB=VALUE\r\n", "Cookie: ASPSESSIONIDAB=VALUE"},
    };
    for (const auto& [cookie, header] : cases)
        EXPECT_EQ(CHttpFetcher::MakeCookieHeader(cookie), header) << cookie;
}

TEST(PhotoAddressText, EncodesBlanksControlsAndHighBytesOnly) {
    const std::pair<std::string, std::string> cases[] = {
        {"http://h/photos/first steps.jpg", "http://h/photos/first%20steps.jpg"},
        {"http://h/photos/first%20steps.jpg", "http://h/photos/first%20steps.jpg"},
        {"http://h/a.jpg?x=1&y=\"~!", "http://h/a.jpg?x=1&y=\"~!"},
        {std::string("\x1f\x7f\x80\xff", 4), "%1F%7F%80%FF"},
        {"\xd5\xd5.jpg", "%D5%D5.jpg"},
        {std::string("a\0b", 3), "a%00b"},
    };
    for (const auto& [url, encoded] : cases)
        EXPECT_EQ(CHttpFileFetcher::PercentEncodeUrl(url), encoded) << url;
}

} // namespace
} // namespace nook
