#include "archive/DiaryRecord.h"

#include "archive/FlatXmlWriter.h"
#include "service/RecordElements.h"

#include <algorithm>

namespace nook {

namespace {

// The service's own attribute names, as RecordElements reads them back.
void WriteBlog(CFlatXmlWriter& writer, const BlogEntry& blog) {
    writer.Child("Blog");
    writer.Attribute("blog_id", blog.id);
    writer.Attribute("blog_class", blog.blogClass);
    writer.Attribute("character", blog.character);
    writer.Attribute("mood", blog.mood);
    writer.Attribute("weather", blog.weather);
    writer.Attribute("title", blog.title);
    writer.Attribute("content", blog.content);
    writer.Attribute("create_time", blog.createTime);
    writer.Attribute("update_time", blog.updateTime);
    writer.Attribute("comment_count", blog.commentCount);
    writer.Attribute("read_count", blog.readCount);
    writer.Attribute("is_memory", blog.isMemory ? 1 : 0);
    writer.Attribute("is_editor_choice", blog.isEditorChoice ? 1 : 0);
}

void WriteComment(CFlatXmlWriter& writer, const CommentEntry& comment) {
    writer.Child("Comment");
    writer.Attribute("comment_id", comment.id);
    writer.Attribute("blog_id", comment.blogId);
    writer.Attribute("guest_name", comment.guestName);
    writer.Attribute("user_name", comment.userName);
    writer.Attribute("photo_name", comment.photoName);
    writer.Attribute("comment_content", comment.content);
    writer.Attribute("comment_datetime", comment.time);
    writer.Attribute("reply_content", comment.replyContent);
    writer.Attribute("reply_datetime", comment.replyTime);
}

} // namespace

void MergeComment(DiaryRecord& record, const CommentEntry& comment) {
    auto same = std::find_if(record.comments.begin(), record.comments.end(),
                             [&](const CommentEntry& kept) { return kept.id == comment.id; });
    if (same != record.comments.end())
        *same = comment;
    else
        record.comments.push_back(comment);
}

bool LoadDiaryRecord(const std::string& path, DiaryRecord& record) {
    record = DiaryRecord{};
    CXmlDocument doc;
    if (!doc.LoadFile(path) || !doc.FindElement("Diary")) return false;
    while (doc.FindChildElement()) {
        const std::string name = doc.GetTagName(doc.GetPosition().child);
        if (name == "Blog") {
            record.hasBlog = true;
            record.blog = ReadBlogElement(doc);
        } else if (name == "Comment") {
            MergeComment(record, ReadCommentElement(doc));
        }
    }
    return true;
}

bool SaveDiaryRecord(const std::string& path, const DiaryRecord& record) {
    CFlatXmlWriter writer("Diary");
    if (record.hasBlog) WriteBlog(writer, record.blog);
    for (const CommentEntry& comment : record.comments)
        WriteComment(writer, comment);
    return SaveFlatXml(path, writer.Finish(), platform::Durability::Deferred);
}

} // namespace nook
