#include "archive/ArchiveState.h"

#include "app/settings/DecimalText.h"
#include "xml/XmlDocument.h"

namespace nook {

bool LoadArchiveState(const std::string& path, ArchiveState& state) {
    state = ArchiveState{};
    CXmlDocument doc;
    if (!doc.LoadFile(path) || !doc.FindElement("Archive")) return false;
    state.pageVersion = DecimalValue(doc.GetAttribute("PageVersion"));
    state.fullBackupPending = DecimalValue(doc.GetAttribute("FullBackupPending")) != 0;
    const std::string backupTime = doc.GetAttribute("LastBackupTime");
    if (!backupTime.empty()) {
        state.marks = BackupMarks{DecimalValue(doc.GetAttribute("LastBlogID")),
                                  DecimalValue(doc.GetAttribute("LastCommentID")),
                                  DecimalValue(doc.GetAttribute("LastTwitterID")), backupTime};
    }
    return true;
}

bool SaveArchiveState(const std::string& path, const ArchiveState& state) {
    CXmlDocument doc;
    doc.AddElement("Archive");
    doc.SetAttribute("PageVersion", state.pageVersion);
    doc.SetAttribute("FullBackupPending", state.fullBackupPending ? 1 : 0);
    if (state.marks) {
        doc.SetAttribute("LastBlogID", state.marks->lastBlogId);
        doc.SetAttribute("LastCommentID", state.marks->lastCommentId);
        doc.SetAttribute("LastTwitterID", state.marks->lastTwitterId);
        doc.SetAttribute("LastBackupTime", state.marks->lastBackupTime);
    }
    return doc.SaveFile(path);
}

} // namespace nook
