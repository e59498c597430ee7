#include "service/RecordElements.h"

#include "app/settings/DecimalText.h"
#include "service/BackupAnswer.h"

namespace nook {

namespace {

int32_t ChildInt(const CXmlDocument& doc, std::string_view name) {
    return DecimalValue(doc.GetChildAttribute(name));
}
int16_t ChildShort(const CXmlDocument& doc, std::string_view name) {
    return DecimalValue16(doc.GetChildAttribute(name));
}
std::string ChildTime(const CXmlDocument& doc, std::string_view name) {
    return CutAtFirstDot(doc.GetChildAttribute(name));
}

} // namespace

BlogEntry ReadBlogElement(const CXmlDocument& doc) {
    BlogEntry blog;
    blog.id = ChildInt(doc, "blog_id");
    blog.blogClass = ChildShort(doc, "blog_class");
    blog.character = ChildShort(doc, "character");
    blog.mood = ChildShort(doc, "mood");
    blog.weather = ChildShort(doc, "weather");
    blog.title = doc.GetChildAttribute("title");
    blog.content = doc.GetChildAttribute("content");
    blog.createTime = ChildTime(doc, "create_time");
    blog.updateTime = ChildTime(doc, "update_time");
    blog.commentCount = ChildInt(doc, "comment_count");
    blog.readCount = ChildInt(doc, "read_count");
    blog.isMemory = ChildInt(doc, "is_memory") != 0;
    blog.isEditorChoice = ChildInt(doc, "is_editor_choice") != 0;
    return blog;
}

CommentEntry ReadCommentElement(const CXmlDocument& doc) {
    CommentEntry comment;
    comment.id = ChildInt(doc, "comment_id");
    comment.blogId = ChildInt(doc, "blog_id");
    comment.guestName = doc.GetChildAttribute("guest_name");
    comment.userName = doc.GetChildAttribute("user_name");
    comment.photoName = doc.GetChildAttribute("photo_name");
    comment.content = doc.GetChildAttribute("comment_content");
    comment.time = ChildTime(doc, "comment_datetime");
    comment.replyContent = doc.GetChildAttribute("reply_content");
    comment.replyTime = ChildTime(doc, "reply_datetime");
    return comment;
}

TwitterEntry ReadTwitterElement(const CXmlDocument& doc) {
    TwitterEntry twitter;
    twitter.id = ChildInt(doc, "id");
    twitter.character = ChildShort(doc, "character");
    twitter.content = doc.GetChildAttribute("content");
    twitter.createTime = ChildTime(doc, "create_time");
    return twitter;
}

} // namespace nook
