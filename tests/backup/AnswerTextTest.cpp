// Characters code page 936 lacks survive the answer's conversion as references.
#include "service/AnswerText.h"
#include "service/BackupAnswer.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

namespace {

const char kGrinning[] = "\xf0\x9f\x98\x80"; // U+1F600
const char kHangulHan[] = "\xed\x95\x9c";    // U+D55C
const char kBao[] = "\xe5\xae\x9d";          // 宝, in code page 936 B1A6

TEST(AnswerToAnsi, CharactersTheCodePageLacksBecomeReferences) {
    const struct {
        std::string utf8;
        std::string ansi;
    } cases[] = {
        {std::string("a") + kBao + "<b/>", "a\xb1\xa6<b/>"},
        {kGrinning, "&#128512;"},
        {std::string(kBao) + kGrinning + kHangulHan + "x" + kBao, "\xb1\xa6&#128512;&#54620;x\xb1\xa6"},
        {std::string(kGrinning) + kGrinning, "&#128512;&#128512;"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nook::AnswerToAnsi(c.utf8), c.ansi) << c.utf8;
}

// Broken sequences are no characters to keep: they get the substitute they always had.
TEST(AnswerToAnsi, BrokenSequencesKeepTheirSubstitute) {
    for (const std::string broken : {"\xf0\x9f\x98", "\x80", "\xed\xa0\x80", "\xc0\xaf", "\xf8\x88\x80\x80\x80"}) {
        const std::string text = std::string(kBao) + broken + kGrinning + "z";
        EXPECT_EQ(nook::AnswerToAnsi(text), nook::CXmlDocument::Utf8ToAnsi(std::string(kBao) + broken) +
                                                "&#128512;z");
    }
}

// Long answers are converted in slices: a lost character at a slice's edge is kept too.
TEST(AnswerToAnsi, LostCharactersAtTheEdgeOfASliceAreKept) {
    const size_t slice = size_t(1) << 20;
    const std::string utf8 = std::string(slice - 2, 'a') + kGrinning + std::string(slice, 'b') + kHangulHan;
    const std::string ansi = nook::AnswerToAnsi(utf8);
    EXPECT_EQ(ansi, std::string(slice - 2, 'a') + "&#128512;" + std::string(slice, 'b') + "&#54620;");
}

// Through the XML reader, the fields keep the references as written, markup decoded.
TEST(AnswerToAnsi, RecordsKeepTheReferences) {
    const nook::BlogListAnswer answer = nook::ParseBlogListAnswer(
        std::string("<Backup Result=\"0\"><Summary NewBlogCount=\"1\" UpdatedBlogCount=\"0\" NewCommentCount=\"1\" "
                    "NewTwitterCount=\"0\"/><BlogList><Blog blog_id=\"1\" title=\"") +
        kBao + kGrinning + "\" content=\"&lt;p&gt;" + kHangulHan + "&amp;#128512;&lt;/p&gt;\"/></BlogList>" +
        "<CommentList><Comment comment_id=\"5\" blog_id=\"1\" guest_name=\"" + kGrinning + "\"/></CommentList></Backup>");
    ASSERT_EQ(answer.blogs.size(), 1u);
    EXPECT_EQ(answer.blogs[0].title, "\xb1\xa6&#128512;");
    EXPECT_EQ(answer.blogs[0].content, "<p>&#54620;&#128512;</p>");
    ASSERT_EQ(answer.comments.size(), 1u);
    EXPECT_EQ(answer.comments[0].guestName, "&#128512;");
}

} // namespace
