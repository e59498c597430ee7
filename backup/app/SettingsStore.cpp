#include "app/SettingsStore.h"

#include "app/DecimalText.h"
#include "app/UserName.h"
#include "xml/XmlDocument.h"

#include <utility>

namespace nook {

namespace {

// Each child of the root is searched from the first, so they may stand in any order.
bool FindChildOfRoot(CXmlDocument& doc, std::string_view name) {
    doc.ResetPos();
    return doc.FindElement() && doc.IntoElement() && doc.FindElement(name);
}

} // namespace

CSettingsStore::CSettingsStore(std::string programDir) : programDir_(std::move(programDir)) {}

std::string CSettingsStore::ConfigPath() const {
    return programDir_ + "config.xml";
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
            loaded.lastBlogId = DecimalValue(doc.GetAttribute("LastBlogID"));
            loaded.lastCommentId = DecimalValue(doc.GetAttribute("LastCommentID"));
            loaded.lastTwitterId = DecimalValue(doc.GetAttribute("LastTwitterID"));
            loaded.lastBackupTime = doc.GetAttribute("LastBackupTime");
        }
        if (loaded.lastBackupTime.empty()) loaded.lastBackupTime = kFirstBackupTime;
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
    CXmlDocument doc;
    doc.AddElement("Config");
    doc.IntoElement();
    doc.AddElement("LastUser");
    doc.SetAttribute("Name", user_.userName);
    doc.AddElement("Domain");
    doc.SetAttribute("Url", client_.serviceHost);
    doc.AddElement("Debug");
    doc.SetAttribute("Level", client_.logLevel);
    doc.SetAttribute("Path", client_.logFolderPrefix);
    return doc.SaveFile(ConfigPath());
}

bool CSettingsStore::SaveUserFile() const {
    CXmlDocument doc;
    doc.AddElement("UserConfig");
    doc.IntoElement();
    doc.AddElement("User");
    doc.SetAttribute("Username", user_.userName);
    doc.SetAttribute("Password", user_.passwordDigest);
    doc.SetAttribute("RememberMe", user_.rememberMe);
    doc.AddElement("Backup");
    doc.SetAttribute("LastBlogID", user_.lastBlogId);
    doc.SetAttribute("LastCommentID", user_.lastCommentId);
    doc.SetAttribute("LastTwitterID", user_.lastTwitterId);
    doc.SetAttribute("LastBackupTime", user_.lastBackupTime);
    return doc.SaveFile(UserFilePath(user_.userName));
}

} // namespace nook
