#include "app/settings/SettingsStore.h"

#include "app/settings/DecimalText.h"
#include "app/settings/UserName.h"
#include "util/PathForm.h"
#include "util/MbcsText.h"
#include "xml/XmlDocument.h"

#include <string_view>
#include <utility>
#include <vector>

namespace nook {

namespace {

// Each child of the root is searched from the first, so they may stand in any order.
bool FindChildOfRoot(CXmlDocument& doc, std::string_view name) {
    doc.ResetPos();
    return doc.FindElement() && doc.IntoElement() && doc.FindElement(name);
}

// A setting the program writes: an element under the root and its attributes, in the
// order a fresh file has them.
struct KnownAttribute {
    std::string_view name;
    std::string value;
};
struct KnownElement {
    std::string_view name;
    std::vector<KnownAttribute> attributes;
};

// Writes the known elements' known attributes into `doc`, whose root is `root`: an
// element found under the root (the first of its name, the one a load reads) has its
// attributes set in place; a missing one is appended as the root's last child. All else
// in the document stays as it is. False when an edit could not be made.
bool WriteKnownElements(CXmlDocument& doc, std::string_view root, const std::vector<KnownElement>& elements) {
    for (const KnownElement& element : elements) {
        if (!FindChildOfRoot(doc, element.name)) {
            doc.ResetPos();
            if (!doc.FindElement(root) || !doc.AddChildElement(element.name) || !doc.IntoElement())
                return false;
        }
        for (const KnownAttribute& attribute : element.attributes)
            if (!doc.SetAttribute(attribute.name, attribute.value)) return false;
    }
    return true;
}

// Saves the known settings into the file at `path`, keeping whatever else it holds (the
// settings of other versions) in place. A file that is missing, unreadable, not
// well-formed or has another root, or one that cannot take the edits, is replaced by a
// fresh document holding only the known elements.
bool SaveKeepingTheRest(const std::string& path, std::string_view root,
                        const std::vector<KnownElement>& elements) {
    CXmlDocument doc;
    bool updated = false;
    if (doc.LoadFile(path) && doc.FindElement(root)) updated = WriteKnownElements(doc, root, elements);
    if (!updated) {
        doc = CXmlDocument();
        if (!doc.AddElement(root) || !WriteKnownElements(doc, root, elements)) return false;
    }
    return doc.SaveFile(path);
}

// A number from config.xml: one outside the accepted range gives the default.
int32_t ValueInRange(std::string_view text, int32_t lowest, int32_t highest, int32_t fallback) {
    const int32_t value = DecimalValue(text);
    return value >= lowest && value <= highest ? value : fallback;
}

} // namespace

CSettingsStore::CSettingsStore(std::string programDir) : programDir_(std::move(programDir)) {}

std::string CSettingsStore::ConfigPath() const {
    return programDir_ + "config.xml";
}

std::string CSettingsStore::ArchiveRoot() const {
    if (client_.archiveFolder.empty()) return programDir_;
    std::string root = ResolvePath(client_.archiveFolder, programDir_);
    if (ReverseFindChar(root, '\\') + 1 != root.size()) root += '\\';
    return root;
}

std::string CSettingsStore::UserFilePath(const std::string& userName) const {
    return programDir_ + userName + ".xml";
}

void CSettingsStore::LoadSettings() {
    std::string lastUser;
    client_ = ClientSettings{};
    CXmlDocument doc;
    if (doc.LoadFile(ConfigPath()) && doc.FindElement("Config")) {
        if (FindChildOfRoot(doc, "LastUser")) lastUser = doc.GetAttribute("Name");
        if (FindChildOfRoot(doc, "Domain")) client_.serviceHost = doc.GetAttribute("Url");
        if (FindChildOfRoot(doc, "Debug")) {
            client_.logLevel = DecimalValue(doc.GetAttribute("Level"));
            client_.logFolderPrefix = doc.GetAttribute("Path");
        }
        if (FindChildOfRoot(doc, "Download")) {
            client_.downloadTimeoutSeconds =
                ValueInRange(doc.GetAttribute("Timeout"), kMinDownloadTimeoutSeconds,
                             kMaxDownloadTimeoutSeconds, kDefaultDownloadTimeoutSeconds);
            client_.downloadConnections =
                ValueInRange(doc.GetAttribute("Connections"), kMinDownloadConnections,
                             kMaxDownloadConnections, kDefaultDownloadConnections);
        }
        if (FindChildOfRoot(doc, "Archive")) client_.archiveFolder = Trim(doc.GetAttribute("Path"));
    }
    if (client_.serviceHost.empty()) client_.serviceHost = kDefaultServiceHost;
    LoadUserSettings(lastUser);
}

bool CSettingsStore::LoadUserSettings(const std::string& userName) {
    if (!IsUsableUserName(userName)) return false;
    UserSettings loaded;
    loaded.rememberMe = user_.rememberMe;
    CXmlDocument doc;
    if (doc.LoadFile(UserFilePath(userName)) && doc.FindElement("UserConfig")) {
        if (FindChildOfRoot(doc, "User")) {
            loaded.userName = doc.GetAttribute("Username");
            loaded.passwordDigest = doc.GetAttribute("Password");
            loaded.rememberMe = DecimalValue(doc.GetAttribute("RememberMe"));
        }
        if (FindChildOfRoot(doc, "Backup")) {
            loaded.marks.lastBlogId = DecimalValue(doc.GetAttribute("LastBlogID"));
            loaded.marks.lastCommentId = DecimalValue(doc.GetAttribute("LastCommentID"));
            loaded.marks.lastTwitterId = DecimalValue(doc.GetAttribute("LastTwitterID"));
            loaded.marks.lastBackupTime = doc.GetAttribute("LastBackupTime");
        }
        if (loaded.marks.lastBackupTime.empty()) loaded.marks.lastBackupTime = kFirstBackupTime;
    }
    user_ = std::move(loaded);
    return true;
}

bool CSettingsStore::SaveSettings() {
    if (user_.userName.empty()) return SaveConfig();
    if (!IsUsableUserName(user_.userName)) return false;
    bool configSaved = SaveConfig();
    return SaveUserFile() && configSaved;
}

bool CSettingsStore::SaveConfig() const {
    return SaveKeepingTheRest(
        ConfigPath(), "Config",
        {
            {"LastUser", {{"Name", user_.userName}}},
            {"Domain", {{"Url", client_.serviceHost}}},
            {"Debug", {{"Level", std::to_string(client_.logLevel)}, {"Path", client_.logFolderPrefix}}},
        });
}

bool CSettingsStore::SaveUserFile() const {
    return SaveKeepingTheRest(UserFilePath(user_.userName), "UserConfig",
                              {
                                  {"User",
                                   {{"Username", user_.userName},
                                    {"Password", user_.passwordDigest},
                                    {"RememberMe", std::to_string(user_.rememberMe)}}},
                                  {"Backup",
                                   {{"LastBlogID", std::to_string(user_.marks.lastBlogId)},
                                    {"LastCommentID", std::to_string(user_.marks.lastCommentId)},
                                    {"LastTwitterID", std::to_string(user_.marks.lastTwitterId)},
                                    {"LastBackupTime", user_.marks.lastBackupTime}}},
                              });
}

} // namespace nook
