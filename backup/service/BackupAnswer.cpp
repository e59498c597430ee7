#include "service/BackupAnswer.h"

#include "app/settings/DecimalText.h"
#include "service/AnswerText.h"
#include "service/RecordElements.h"
#include "util/MbcsText.h"
#include "xml/XmlDocument.h"

namespace nook {

namespace {

// Where the answer stands after its Backup root and Summary have been checked.
enum class Opening { NoBackup, Refused, NoSummary, Ready };

Opening OpenAnswer(CXmlDocument& doc, BackupSummary& summary) {
    if (!doc.FindElement("Backup")) return Opening::NoBackup;
    if (doc.GetAttribute("Result") != "0") return Opening::Refused;
    if (!doc.IntoElement() || !doc.FindElement("Summary")) return Opening::NoSummary;
    summary.newBlogCount = DecimalValue(doc.GetAttribute("NewBlogCount"));
    summary.updatedBlogCount = DecimalValue(doc.GetAttribute("UpdatedBlogCount"));
    summary.newCommentCount = DecimalValue(doc.GetAttribute("NewCommentCount"));
    summary.newTwitterCount = DecimalValue(doc.GetAttribute("NewTwitterCount"));
    return Opening::Ready;
}

// Finds the list after the element found last and reads each child of the item name.
template <typename Entry, typename Reader>
void ReadList(CXmlDocument& doc, std::string_view listName, std::string_view itemName, Reader read,
              std::vector<Entry>& entries) {
    if (!doc.FindElement(listName)) return;
    while (doc.FindChildElement(itemName))
        entries.push_back(read(doc));
}

} // namespace

std::string CutAtFirstDot(std::string_view time) {
    size_t dot = FindChar(time, '.');
    if (dot != std::string_view::npos && dot > 0) time = time.substr(0, dot);
    return std::string(time);
}

BlogSummaryAnswer ParseBlogSummaryAnswer(std::string_view text) {
    CXmlDocument doc;
    doc.SetDocText(text);
    BlogSummaryAnswer answer;
    switch (OpenAnswer(doc, answer.summary)) {
    case Opening::Ready:
        answer.result = kBackupSuccess;
        break;
    case Opening::Refused:
        answer.result = kBackupRefused;
        break;
    case Opening::NoBackup:
    case Opening::NoSummary:
        answer.result = kBackupFailed;
        break;
    }
    return answer;
}

BlogListAnswer ParseBlogListAnswer(std::string_view utf8Text) {
    CXmlDocument doc;
    doc.SetDocText(AnswerToAnsi(utf8Text)); // the converted copy is freed once the document holds it
    BlogListAnswer answer;
    switch (OpenAnswer(doc, answer.summary)) {
    case Opening::NoBackup:
        answer.result = kBackupFailed;
        return answer;
    case Opening::Refused:
    case Opening::NoSummary:
        answer.result = kBackupRefused;
        return answer;
    case Opening::Ready:
        break;
    }
    ReadList(doc, "BlogList", "Blog", ReadBlogElement, answer.blogs);
    ReadList(doc, "CommentList", "Comment", ReadCommentElement, answer.comments);
    ReadList(doc, "TwitterList", "Twitter", ReadTwitterElement, answer.twitters);
    answer.result = kBackupSuccess;
    return answer;
}

} // namespace nook
