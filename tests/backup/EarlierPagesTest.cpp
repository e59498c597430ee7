#include "archive/EarlierPages.h"

#include <gtest/gtest.h>

namespace {

TEST(EarlierPhotoFiles, NamesOnlyAbsolutePhotoFolderPathsInPageOrder) {
    const std::string page =
        "<img src=\"..\\..\\..\\Templates/images/epush.gif\">"
        "<a href=\"C:\\Nook\\mimi\\Images\\a.jpg\"><img src=\"C:\\Nook\\mimi\\Images\\a.jpg\"></a>"
        "<IMG SRC=\"d:\\\xb1\xa6\\x\\images\\B.JPG\">"
        "<img src=\"http://p/c.jpg\"><img src=\"\\\\server\\share\\Images\\c.png\">"
        "<img src=\"C:\\Nook\\mimi\\Images\\..\\evil\\x.jpg\"><img src=\"Images\\relative.jpg\">"
        "<img src=\"../../Images/d.gif\"><img src=\"../../Images/../x.jpg\">";
    EXPECT_EQ(nook::EarlierPhotoFiles(page), (std::vector<std::string>{"a.jpg", "B.JPG", "c.png", "d.gif"}));
}

TEST(RelativisePhotoPaths, RewritesAbsolutePhotoPathsOnly) {
    struct Case {
        const char* page;
        const char* rewritten;
    } cases[] = {
        {"<a href=\"C:\\Nook\\mimi\\Images\\a.jpg\"><img src=\"C:\\Nook\\mimi\\Images\\a.jpg\"></a>",
         "<a href=\"../../Images/a.jpg\"><img src=\"../../Images/a.jpg\"></a>"},
        {"<img src='E:\\\xd5\x5c\\images\\b.jpg'>", "<img src='../../Images/b.jpg'>"},
        {"<p>see \\images\\ here</p><img src=\"../../Images/c.jpg\">", nullptr},
        {"<img src=\"http://p/Images\\d.jpg\">", nullptr},
    };
    for (const Case& c : cases) {
        std::string page = c.page;
        EXPECT_EQ(nook::RelativisePhotoPaths(page), c.rewritten != nullptr) << c.page;
        EXPECT_EQ(page, c.rewritten ? c.rewritten : c.page);
    }
}

} // namespace
