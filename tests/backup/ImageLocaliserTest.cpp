#include "archive/ImageLocaliser.h"

#include <gtest/gtest.h>

namespace {

using nook::CImageLocaliser;
using nook::CPhotoList;
using nook::PhotoState;

constexpr size_t kGuidLength = 36;
const std::string kPageFolder = "../../Images/";

// The local name after "Images\": a 36-character GUID text, then the extension.
std::string ExtensionOf(const nook::PhotoEntry& entry) {
    EXPECT_EQ(entry.file.rfind("Images\\", 0), 0u) << entry.file;
    return entry.file.substr(7 + kGuidLength);
}

std::string PagePath(const nook::PhotoEntry& entry) {
    return kPageFolder + entry.file.substr(7);
}

TEST(LocaliseImages, ListsWebAddressesAndPointsTheTextAtTheirFilesRelatively) {
    struct Case {
        const char* what;
        const char* text;
        std::vector<const char*> written; // as the text has them
        std::vector<const char*> urls;    // as they are fetched
        std::vector<const char*> extensions;
    } cases[] = {
        {"query after the extension",
         "<img src=\"http://p.example/a.JPG?x=1\">",
         {"http://p.example/a.JPG?x=1"},
         {"http://p.example/a.JPG?x=1"},
         {".JPG"}},
        {"entity references decoded for the fetch",
         "<img src=\"http://p.example/b.jpg?a=1&amp;b=2&#38;c=3\">",
         {"http://p.example/b.jpg?a=1&amp;b=2&#38;c=3"},
         {"http://p.example/b.jpg?a=1&b=2&c=3"},
         {".jpg"}},
        {"no dot after the host", "<img src=\"http://localhost/photo\">", {"http://localhost/photo"},
         {"http://localhost/photo"}, {""}},
        {"dot only in the host name",
         "<img src=\"http://p.example/photo\">",
         {"http://p.example/photo"},
         {"http://p.example/photo"},
         {""}},
        {"capitals", "<IMG SRC=\"HTTPS://P.EXAMPLE/B.PNG\">", {"HTTPS://P.EXAMPLE/B.PNG"},
         {"HTTPS://P.EXAMPLE/B.PNG"}, {".PNG"}},
        {"not quoted as the sanitiser quotes", "<img src='http://p.example/c.gif' alt=\"x\">", {}, {}, {}},
        {"src= in text and in another value hides nothing",
         "<p>src=</p><img alt=\"src=\" src=\"http://a/z.jpg\"><img src=\"http://a/y.jpg\">",
         {"http://a/z.jpg", "http://a/y.jpg"},
         {"http://a/z.jpg", "http://a/y.jpg"},
         {".jpg", ".jpg"}},
        {"empty address", "<img src=\"\">", {}, {}, {}},
        {"not a web address",
         "<img src=\"file:///C:/x.jpg\"><img src=\"/local/y.jpg\"><img src=\"data:image/png;base64,AA\">",
         {},
         {},
         {}},
        {"no closing quote", "<img src=\"http://p.example/d.jpg>", {}, {}, {}},
        {"src= at the very end", "text src=", {}, {}, {}},
        {"three photos",
         "<img src=\"http://a/1.jpg\"><img src=\"http://a/2.png\"><img src=\"http://a/3.gif\">",
         {"http://a/1.jpg", "http://a/2.png", "http://a/3.gif"},
         {"http://a/1.jpg", "http://a/2.png", "http://a/3.gif"},
         {".jpg", ".png", ".gif"}},
    };
    for (const Case& c : cases) {
        CPhotoList photos;
        CImageLocaliser localiser(photos);
        std::string text = c.text;
        localiser.LocaliseImages(text, 7);
        const auto& list = photos.Entries();
        ASSERT_EQ(list.size(), c.urls.size()) << c.what;
        std::string expected = c.text;
        for (size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(list[i].url, c.urls[i]) << c.what;
            EXPECT_EQ(list[i].state, PhotoState::Pending) << c.what;
            EXPECT_EQ(list[i].blogs, std::vector<int32_t>{7}) << c.what;
            EXPECT_EQ(ExtensionOf(list[i]), c.extensions[i]) << c.what;
            expected.replace(expected.find(c.written[i]), std::string(c.written[i]).size(), PagePath(list[i]));
        }
        EXPECT_EQ(text, expected) << c.what;
    }
}

TEST(LocaliseImages, SameAddressTwiceIsOnePhotoEverywhere) {
    CPhotoList photos;
    CImageLocaliser localiser(photos);
    std::string text =
        "<a href=\"http://a/p.jpg\"><img src=\"http://a/p.jpg\"></a><img src=\"http://a/p.jpg\">";
    localiser.LocaliseImages(text, 3);
    ASSERT_EQ(photos.Entries().size(), 1u);
    const std::string page = PagePath(photos.Entries()[0]);
    EXPECT_EQ(text, "<a href=\"" + page + "\"><img src=\"" + page + "\"></a><img src=\"" + page + "\">");
}

// An updated diary, or another diary showing the same photo, reuses the listed file:
// nothing is fetched twice and no file is left behind unused.
TEST(LocaliseImages, ListedAddressesKeepTheirFileAndState) {
    CPhotoList photos;
    CImageLocaliser localiser(photos);
    std::string first = "<img src=\"http://a/1.jpg\">";
    localiser.LocaliseImages(first, 1);
    photos.RecordOutcome("http://a/1.jpg", {nook::PhotoResult::Stored, ""}, "2026-12-10");
    std::string updated = "<p>later</p><img src=\"http://a/1.jpg\"><img src=\"http://a/2.jpg\">";
    localiser.LocaliseImages(updated, 1);
    std::string other = "<img src=\"http://a/1.jpg\">";
    localiser.LocaliseImages(other, 5);

    ASSERT_EQ(photos.Entries().size(), 2u);
    const nook::PhotoEntry& kept = photos.Entries()[0];
    EXPECT_EQ(kept.state, PhotoState::Stored);
    EXPECT_EQ(kept.blogs, (std::vector<int32_t>{1, 5}));
    EXPECT_EQ(first, "<img src=\"" + PagePath(kept) + "\">");
    EXPECT_EQ(other, first);
    EXPECT_EQ(photos.Entries()[1].state, PhotoState::Pending);
    EXPECT_EQ(photos.Count(PhotoState::Pending), 1u);
}

TEST(LocaliseImages, EarlierFilesAreTakenByPositionWhereTheyExist) {
    CPhotoList photos;
    CImageLocaliser localiser(photos);
    std::string text = "<img src=\"http://a/1.jpg\"><img src=\"http://a/2.jpg\"><img src=\"http://a/3.jpg\">";
    localiser.LocaliseImages(text, 9, {"old-1.jpg", "", "old-3.jpg"});
    ASSERT_EQ(photos.Entries().size(), 3u);
    EXPECT_EQ(photos.Entries()[0].file, "Images\\old-1.jpg");
    EXPECT_EQ(photos.Entries()[0].state, PhotoState::Stored);
    EXPECT_EQ(photos.Entries()[1].state, PhotoState::Pending);
    EXPECT_EQ(photos.Entries()[2].file, "Images\\old-3.jpg");
    EXPECT_NE(text.find("src=\"../../Images/old-3.jpg\""), std::string::npos) << text;
}

TEST(LocaliseImages, TrailBytesAreNotMarkup) {
    // "\x95\x73" is one character whose trail byte is "s": no "src=" starts there.
    CPhotoList photos;
    CImageLocaliser localiser(photos);
    std::string text = "\x95src=\"http://a/x.jpg\" \xb1\xa6<img src=\"http://a/y.jpg\">";
    localiser.LocaliseImages(text, 1);
    ASSERT_EQ(photos.Entries().size(), 1u);
    EXPECT_EQ(photos.Entries()[0].url, "http://a/y.jpg");
}

TEST(PhotoExtension, KeepsOnlyAPlainExtension) {
    struct Case {
        const char* url;
        const char* extension;
    } cases[] = {
        {"http://a/b.JPG?x=1", ".JPG"},
        {"http://a/b.jpeg", ".jpeg"},
        {"http://a/b", ""},
        {".jpg", ""},
        {"http://a.b/..\\..\\evil", ""},
        {"http://a/b.j/p", ""},
        {"http://a/b.", ""},
        {"http://a/b.?q", ""},
        {"http://a/b.png?x=1.2", ".2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nook::PhotoExtension(c.url), c.extension) << c.url;
}

} // namespace
