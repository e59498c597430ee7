#include "archive/ImageLocaliser.h"

#include <gtest/gtest.h>

namespace {

using nook::CImageLocaliser;

const std::string kFolder = "C:\\Nook\\mimi\\Images\\";
constexpr size_t kGuidLength = 36;

// The local name after the folder: a 36-character GUID text, then the extension.
std::string ExtensionOf(const nook::DownloadItem& item) {
    EXPECT_EQ(item.localPath.rfind(kFolder, 0), 0u) << item.localPath;
    return item.localPath.substr(kFolder.size() + kGuidLength);
}

TEST(LocaliseImages, QueuesWebAddressesAndRewritesTheText) {
    struct Case {
        const char* what;
        const char* text;
        std::vector<const char*> urls;
        std::vector<const char*> extensions;
    } cases[] = {
        {"query after the extension",
         "<img src=\"http://p.example/a.JPG?x=1\">",
         {"http://p.example/a.JPG?x=1"},
         {".JPG"}},
        {"no dot after the host", "<img src=\"http://localhost/photo\">", {"http://localhost/photo"}, {""}},
        {"dot only in the host name",
         "<img src=\"http://p.example/photo\">",
         {"http://p.example/photo"},
         {""}},
        {"capitals", "<IMG SRC=\"HTTPS://P.EXAMPLE/B.PNG\">", {"HTTPS://P.EXAMPLE/B.PNG"}, {".PNG"}},
        {"single quotes read to the next double quote",
         "<img src='http://p.example/c.gif' alt=\"x\">",
         {"http://p.example/c.gif' alt="},
         {""}},
        {"empty address", "<img src=\"\">", {}, {}},
        {"not a web address",
         "<img src=\"file:///C:/x.jpg\"><img src=\"/local/y.jpg\"><img src=\"data:image/png;base64,AA\">",
         {},
         {}},
        {"no closing quote", "<img src=\"http://p.example/d.jpg>", {}, {}},
        {"src= at the very end", "text src=", {}, {}},
        {"three photos",
         "<img src=\"http://a/1.jpg\"><img src=\"http://a/2.png\"><img src=\"http://a/3.gif\">",
         {"http://a/1.jpg", "http://a/2.png", "http://a/3.gif"},
         {".jpg", ".png", ".gif"}},
    };
    for (const Case& c : cases) {
        CImageLocaliser localiser;
        std::string text = c.text;
        localiser.LocaliseImages(text, kFolder);
        const auto& list = localiser.DownloadList();
        ASSERT_EQ(list.size(), c.urls.size()) << c.what;
        std::string expected = c.text;
        for (size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(list[i].sequence, static_cast<int32_t>(i)) << c.what;
            EXPECT_EQ(list[i].url, c.urls[i]) << c.what;
            EXPECT_EQ(ExtensionOf(list[i]), c.extensions[i]) << c.what;
            expected.replace(expected.find(c.urls[i]), std::string(c.urls[i]).size(), list[i].localPath);
        }
        EXPECT_EQ(text, expected) << c.what;
    }
}

TEST(LocaliseImages, SameAddressTwiceGivesTwoItemsAndTheFirstLocalFile) {
    CImageLocaliser localiser;
    std::string text =
        "<a href=\"http://a/p.jpg\"><img src=\"http://a/p.jpg\"></a><img src=\"http://a/p.jpg\">";
    localiser.LocaliseImages(text, kFolder);
    const auto& list = localiser.DownloadList();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_NE(list[0].localPath, list[1].localPath);
    const std::string& first = list[0].localPath;
    EXPECT_EQ(text, "<a href=\"" + first + "\"><img src=\"" + first + "\"></a><img src=\"" + first + "\">");
}

TEST(LocaliseImages, TheListOnlyGrows) {
    CImageLocaliser localiser;
    std::string one = "<img src=\"http://a/1.jpg\">";
    std::string two = "<img src=\"http://a/2.jpg\"><img src=\"http://a/3.jpg\">";
    localiser.LocaliseImages(one, kFolder);
    localiser.LocaliseImages(two, "D:\\other\\Images\\");
    const auto& list = localiser.DownloadList();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].url, "http://a/1.jpg");
    EXPECT_EQ(list[1].sequence, 0); // counted per diary text
    EXPECT_EQ(list[2].sequence, 1);
    EXPECT_EQ(list[2].localPath.rfind("D:\\other\\Images\\", 0), 0u);
}

TEST(LocaliseImages, TrailBytesAreNotMarkup) {
    // "\x95\x73" is one character whose trail byte is "s": no "src=" starts there.
    CImageLocaliser localiser;
    std::string text = "\x95src=\"http://a/x.jpg\" \xb1\xa6<img src=\"http://a/y.jpg\">";
    localiser.LocaliseImages(text, kFolder);
    ASSERT_EQ(localiser.DownloadList().size(), 1u);
    EXPECT_EQ(localiser.DownloadList()[0].url, "http://a/y.jpg");
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
