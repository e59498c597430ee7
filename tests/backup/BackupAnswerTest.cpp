#include "service/BackupAnswer.h"

#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

using nook::BlogListAnswer;
using nook::BlogSummaryAnswer;

std::string Fixture(const char* name) {
    return nook::test::ReadAll(nook::test::DataDir() + "backup\\" + name);
}

const char kSummary[] =
    "<Summary NewBlogCount=\"2\" UpdatedBlogCount=\"1\" NewCommentCount=\"5\" NewTwitterCount=\"0\"/>";

TEST(BlogSummaryAnswer, ReadsTheFourCounts) {
    BlogSummaryAnswer answer = nook::ParseBlogSummaryAnswer(Fixture("summary_answer.xml"));
    ASSERT_EQ(answer.result, nook::kBackupSuccess);
    EXPECT_EQ(answer.summary.newBlogCount, 2);
    EXPECT_EQ(answer.summary.updatedBlogCount, 1);
    EXPECT_EQ(answer.summary.newCommentCount, 5);
    EXPECT_EQ(answer.summary.newTwitterCount, 0);
}

// The same malformed answers give different codes to the two requests: a list answer
// without Summary counts as a refusal, a summary answer without it as a failure.
TEST(BackupAnswer, ResultCodesOfBadAnswers) {
    struct Case {
        const char* what;
        std::string text;
        int summaryResult;
        int listResult;
    } cases[] = {
        {"Result 00", std::string("<Backup Result=\"00\">") + kSummary + "</Backup>", 3, 3},
        {"empty Result", std::string("<Backup Result=\"\">") + kSummary + "</Backup>", 3, 3},
        {"no Result", std::string("<Backup>") + kSummary + "</Backup>", 3, 3},
        {"no Summary", "<Backup Result=\"0\"><Other/></Backup>", 1, 3},
        {"HTML error page", "<html><body><h1>500 Internal Server Error</h1></body></html>", 1, 1},
        {"empty text", "", 1, 1},
        {"other root", std::string("<Answer Result=\"0\">") + kSummary + "</Answer>", 1, 1},
    };
    for (const Case& c : cases) {
        BlogSummaryAnswer summary = nook::ParseBlogSummaryAnswer(c.text);
        EXPECT_EQ(summary.result, c.summaryResult) << c.what;
        EXPECT_EQ(summary.summary.newBlogCount, 0) << c.what;
        BlogListAnswer list = nook::ParseBlogListAnswer(c.text);
        EXPECT_EQ(list.result, c.listResult) << c.what;
        EXPECT_EQ(list.summary.newCommentCount, 0) << c.what;
    }
}

TEST(BlogListAnswer, ReadsEveryRecordOfARealisticAnswer) {
    BlogListAnswer answer = nook::ParseBlogListAnswer(Fixture("list_answer.xml"));
    ASSERT_EQ(answer.result, nook::kBackupSuccess);
    EXPECT_EQ(answer.summary.newTwitterCount, 3);
    ASSERT_EQ(answer.blogs.size(), 3u);
    ASSERT_EQ(answer.comments.size(), 4u);
    ASSERT_EQ(answer.twitters.size(), 3u);

    // Document order is kept: 7, 9, 8.
    EXPECT_EQ(answer.blogs[0].id, 7);
    EXPECT_EQ(answer.blogs[1].id, 9);
    EXPECT_EQ(answer.blogs[2].id, 8);

    const nook::BlogEntry& blog = answer.blogs[0];
    EXPECT_EQ(blog.blogClass, 1); // 65537 keeps its low 16 bits
    EXPECT_EQ(blog.character, 3);
    EXPECT_EQ(blog.mood, 7);
    EXPECT_EQ(blog.title,
              "\xb1\xa6\xb1\xa6\xb5\xda\xd2\xbb\xb4\xce\xbd\xd0\xc2\xe8\xc2\xe8"); // UTF-8 became 936
    EXPECT_EQ(blog.content.substr(0, 3), "<p>");
    EXPECT_EQ(blog.createTime, "2008-05-03 09:07:02");
    EXPECT_EQ(blog.updateTime, "2008-03-05 09:07:02");
    EXPECT_EQ(blog.commentCount, 2);
    EXPECT_EQ(blog.readCount, 15);
    EXPECT_TRUE(blog.isMemory);
    EXPECT_TRUE(blog.isEditorChoice);
    EXPECT_EQ(answer.blogs[2].title, "Tom & Jerry");

    const nook::CommentEntry& comment = answer.comments[0];
    EXPECT_EQ(comment.id, 101);
    EXPECT_EQ(comment.blogId, 7);
    EXPECT_EQ(comment.userName, "grandma");
    EXPECT_EQ(comment.time, "2008-05-03 10:00:00");
    EXPECT_EQ(comment.replyTime, "2008-05-03 11:00:00");
    EXPECT_EQ(answer.comments[1].guestName, "<script>alert(1)</script>");
    EXPECT_EQ(answer.comments[1].replyTime, "");

    EXPECT_EQ(answer.twitters[0].id, 31);
    EXPECT_EQ(answer.twitters[0].character, 1);
    EXPECT_EQ(answer.twitters[0].createTime, "2008-05-20 10:00:00");
}

TEST(BlogListAnswer, ListsAreFoundOnlyInTheirOrder) {
    const std::string head = std::string("<Backup Result=\"0\">") + kSummary;
    const std::string blogs = "<BlogList><Blog blog_id=\"1\"/><Blog blog_id=\"2\"/></BlogList>";
    const std::string comments = "<CommentList><Comment comment_id=\"5\"/></CommentList>";
    const std::string twitters = "<TwitterList><Twitter id=\"9\"/></TwitterList>";
    struct Case {
        const char* what;
        std::string body;
        size_t blogs, comments, twitters;
    } cases[] = {
        {"all three", blogs + comments + twitters, 2, 1, 1},
        {"no lists", "", 0, 0, 0},
        {"TwitterList before BlogList", twitters + blogs, 2, 0, 0},
        {"CommentList before BlogList", comments + blogs + twitters, 2, 0, 1},
        {"other elements between", blogs + "<Extra/>" + comments + "<More/>" + twitters, 2, 1, 1},
        {"only posts", twitters, 0, 0, 1},
        {"empty lists", "<BlogList/><CommentList/><TwitterList/>", 0, 0, 0},
        {"other children skipped", "<BlogList><Note/><Blog blog_id=\"3\"/><Blogs/></BlogList>", 1, 0, 0},
    };
    for (const Case& c : cases) {
        BlogListAnswer answer = nook::ParseBlogListAnswer(head + c.body + "</Backup>");
        EXPECT_EQ(answer.result, 0) << c.what;
        EXPECT_EQ(answer.blogs.size(), c.blogs) << c.what;
        EXPECT_EQ(answer.comments.size(), c.comments) << c.what;
        EXPECT_EQ(answer.twitters.size(), c.twitters) << c.what;
    }
}

TEST(BlogListAnswer, RefusedAnswerCarriesNoRecords) {
    BlogListAnswer answer = nook::ParseBlogListAnswer(std::string("<Backup Result=\"1\">") + kSummary +
                                                      "<BlogList><Blog blog_id=\"1\"/></BlogList></Backup>");
    EXPECT_EQ(answer.result, nook::kBackupRefused);
    EXPECT_TRUE(answer.blogs.empty());
    EXPECT_EQ(answer.summary.newBlogCount, 0);
}

TEST(BlogListAnswer, NumbersReadLikeTheRuntime) {
    struct Case {
        const char* value;
        int32_t id;
        int16_t mood;
    } cases[] = {
        {"65537", 65537, 1}, {"-1", -1, -1}, {" 42abc", 42, 42},     {"", 0, 0},
        {"x7", 0, 0},        {"+8", 8, 8},   {"70000", 70000, 4464}, {"99999999999", 2147483647, -1},
    };
    for (const Case& c : cases) {
        std::string text = std::string("<Backup Result=\"0\">") + kSummary + "<BlogList><Blog blog_id=\"" +
                           c.value + "\" mood=\"" + c.value + "\"/></BlogList></Backup>";
        BlogListAnswer answer = nook::ParseBlogListAnswer(text);
        ASSERT_EQ(answer.blogs.size(), 1u) << c.value;
        EXPECT_EQ(answer.blogs[0].id, c.id) << c.value;
        EXPECT_EQ(answer.blogs[0].mood, c.mood) << c.value;
    }
}

// A long answer is converted in slices; no character may be split between two of them.
TEST(BlogListAnswer, LongAnswersKeepEveryCharacter) {
    const size_t count = 1200000; // 3.6 MB of three-byte characters
    std::string utf8;
    for (size_t i = 0; i < count; ++i)
        utf8 += "\xe5\xae\x9d"; // 宝
    BlogListAnswer answer = nook::ParseBlogListAnswer(std::string("<Backup Result=\"0\">") + kSummary +
                                                      "<BlogList><Blog blog_id=\"1\" content=\"x" + utf8 +
                                                      "\" title=\"end\"/></BlogList></Backup>");
    ASSERT_EQ(answer.blogs.size(), 1u);
    const std::string& content = answer.blogs[0].content;
    ASSERT_EQ(content.size(), 1 + 2 * count);
    EXPECT_EQ(content.find_first_not_of("\xb1\xa6", 1), std::string::npos);
    EXPECT_EQ(answer.blogs[0].title, "end");
}

TEST(CutAtFirstDot, DropsFractionalSecondsOnly) {
    struct Case {
        const char* text;
        const char* cut;
    } cases[] = {
        {"2008-03-05 09:07:02.370", "2008-03-05 09:07:02"},
        {"2008-03-05 09:07:02", "2008-03-05 09:07:02"},
        {".5", ".5"},
        {"", ""},
        {"a.b.c", "a"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nook::CutAtFirstDot(c.text), c.cut) << c.text;
}

} // namespace
