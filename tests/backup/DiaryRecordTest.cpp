#include "archive/DiaryRecord.h"

#include "tests/backup/IndexFilesByDocument.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

using nook::CommentEntry;
using nook::DiaryRecord;

CommentEntry Comment(int32_t id, const std::string& content) {
    CommentEntry comment;
    comment.id = id;
    comment.blogId = 7;
    comment.content = content;
    return comment;
}

// Whatever the service sent comes back from the record file byte for byte: markup,
// quotes, line breaks, blanks at the ends, two-byte characters with "\" as trail byte.
TEST(DiaryRecord, KeepsEveryFieldThroughItsFile) {
    const std::string path = nook::test::ScratchDir() + "Records\\7.xml";
    const char* texts[] = {"<p class=\"x\">a &amp; b</p>\r\n<img src='y'>", "  blanks at both ends  ",
                           "\xd5\x5c\xdf\x5c \\ back\\slash", "\xb1\xa6\xb1\xa6 \"quoted\" 'single' <tag> &#38;", ""};
    for (const char* text : texts) {
        DiaryRecord record;
        record.hasBlog = true;
        record.blog.id = 7;
        record.blog.blogClass = 12;
        record.blog.character = -3;
        record.blog.title = text;
        record.blog.content = text;
        record.blog.createTime = "2008-05-03 09:07:02";
        record.blog.updateTime = "2009-01-01 00:00:00";
        record.blog.commentCount = 2;
        record.blog.readCount = 15;
        record.blog.isMemory = true;
        record.blog.isEditorChoice = true;
        CommentEntry comment = Comment(101, text);
        comment.guestName = text;
        comment.userName = "grandma";
        comment.photoName = "p.jpg";
        comment.time = "2008-05-03 10:00:00";
        comment.replyContent = text;
        comment.replyTime = "2008-05-03 11:00:00";
        record.comments = {comment, Comment(99, "second")};
        ASSERT_TRUE(nook::SaveDiaryRecord(path, record)) << text;

        DiaryRecord loaded;
        ASSERT_TRUE(nook::LoadDiaryRecord(path, loaded)) << text;
        EXPECT_TRUE(loaded.hasBlog);
        const nook::BlogEntry& blog = loaded.blog;
        EXPECT_EQ(blog.id, 7);
        EXPECT_EQ(blog.blogClass, 12);
        EXPECT_EQ(blog.character, -3);
        EXPECT_EQ(blog.title, text);
        EXPECT_EQ(blog.content, text);
        EXPECT_EQ(blog.createTime, "2008-05-03 09:07:02");
        EXPECT_EQ(blog.updateTime, "2009-01-01 00:00:00");
        EXPECT_EQ(blog.commentCount, 2);
        EXPECT_EQ(blog.readCount, 15);
        EXPECT_TRUE(blog.isMemory);
        EXPECT_TRUE(blog.isEditorChoice);
        ASSERT_EQ(loaded.comments.size(), 2u);
        const CommentEntry& first = loaded.comments[0];
        EXPECT_EQ(first.id, 101);
        EXPECT_EQ(first.blogId, 7);
        EXPECT_EQ(first.guestName, text);
        EXPECT_EQ(first.userName, "grandma");
        EXPECT_EQ(first.photoName, "p.jpg");
        EXPECT_EQ(first.content, text);
        EXPECT_EQ(first.time, "2008-05-03 10:00:00");
        EXPECT_EQ(first.replyContent, text);
        EXPECT_EQ(first.replyTime, "2008-05-03 11:00:00");
        EXPECT_EQ(loaded.comments[1].id, 99); // the order received, not the id order
    }
}

// The records the archive wrote through the XML document class before: the same bytes,
// whatever a diary holds, with or without its diary or comments.
TEST(DiaryRecord, FileHasTheBytesTheDocumentClassWrites) {
    using nook::test::ReferenceElement;
    const std::string dir = nook::test::ScratchDir();
    const char* texts[] = {"", "<p class=\"x\">a &amp; b</p>\r\n", "\xd5\x5c\xdf\x5c \\ \xb1\xa6 'q' <t> &#38;"};
    for (const char* text : texts) {
        DiaryRecord full;
        full.hasBlog = true;
        full.blog.id = 7;
        full.blog.blogClass = -2;
        full.blog.mood = 3;
        full.blog.weather = 4;
        full.blog.title = text;
        full.blog.content = text;
        full.blog.createTime = "2008-05-03 09:07:02";
        full.blog.isEditorChoice = true;
        CommentEntry comment = Comment(101, text);
        comment.guestName = text;
        comment.replyContent = text;
        full.comments = {comment, Comment(99, "second")};
        DiaryRecord commentsOnly;
        commentsOnly.comments = full.comments;
        const DiaryRecord empty;
        for (const DiaryRecord* record : std::initializer_list<const DiaryRecord*>{&full, &commentsOnly, &empty}) {
            std::vector<ReferenceElement> children;
            if (record->hasBlog) {
                const nook::BlogEntry& b = record->blog;
                children.push_back({"Blog",
                                    {{"blog_id", std::to_string(b.id)},
                                     {"blog_class", std::to_string(b.blogClass)},
                                     {"character", std::to_string(b.character)},
                                     {"mood", std::to_string(b.mood)},
                                     {"weather", std::to_string(b.weather)},
                                     {"title", b.title},
                                     {"content", b.content},
                                     {"create_time", b.createTime},
                                     {"update_time", b.updateTime},
                                     {"comment_count", std::to_string(b.commentCount)},
                                     {"read_count", std::to_string(b.readCount)},
                                     {"is_memory", b.isMemory ? "1" : "0"},
                                     {"is_editor_choice", b.isEditorChoice ? "1" : "0"}}});
            }
            for (const CommentEntry& c : record->comments)
                children.push_back({"Comment",
                                    {{"comment_id", std::to_string(c.id)},
                                     {"blog_id", std::to_string(c.blogId)},
                                     {"guest_name", c.guestName},
                                     {"user_name", c.userName},
                                     {"photo_name", c.photoName},
                                     {"comment_content", c.content},
                                     {"comment_datetime", c.time},
                                     {"reply_content", c.replyContent},
                                     {"reply_datetime", c.replyTime}}});
            ASSERT_TRUE(nook::test::SaveByDocument(dir + "reference.xml", {"Diary", {}}, children));
            ASSERT_TRUE(nook::SaveDiaryRecord(dir + "Records\\7.xml", *record));
            EXPECT_EQ(nook::test::ReadAll(dir + "Records\\7.xml"), nook::test::ReadAll(dir + "reference.xml"))
                << text << " " << record->comments.size();
        }
    }
}

TEST(DiaryRecord, CommentsOnlyAndMissingFiles) {
    const std::string dir = nook::test::ScratchDir();
    DiaryRecord record;
    record.comments = {Comment(5, "early")};
    ASSERT_TRUE(nook::SaveDiaryRecord(dir + "5.xml", record));
    DiaryRecord loaded;
    ASSERT_TRUE(nook::LoadDiaryRecord(dir + "5.xml", loaded));
    EXPECT_FALSE(loaded.hasBlog);
    ASSERT_EQ(loaded.comments.size(), 1u);

    EXPECT_FALSE(nook::LoadDiaryRecord(dir + "none.xml", loaded));
    EXPECT_FALSE(loaded.hasBlog);
    EXPECT_TRUE(loaded.comments.empty());
}

TEST(DiaryRecord, MergeReplacesInPlaceOrAppends) {
    DiaryRecord record;
    for (const CommentEntry& comment : {Comment(3, "a"), Comment(1, "b"), Comment(3, "a2"), Comment(2, "c")})
        nook::MergeComment(record, comment);
    ASSERT_EQ(record.comments.size(), 3u);
    EXPECT_EQ(record.comments[0].content, "a2");
    EXPECT_EQ(record.comments[1].id, 1);
    EXPECT_EQ(record.comments[2].id, 2);
}

} // namespace
