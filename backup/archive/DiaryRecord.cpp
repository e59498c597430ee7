#include "archive/DiaryRecord.h"

#include "archive/XmlFileWrite.h"
#include "service/RecordElements.h"

#include <algorithm>

namespace nook {

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
    CXmlDocument doc;
    doc.AddElement("Diary");
    if (record.hasBlog) WriteBlogElement(doc, record.blog);
    for (const CommentEntry& comment : record.comments)
        WriteCommentElement(doc, comment);
    return WriteXmlFileDeferred(path, doc);
}

} // namespace nook
