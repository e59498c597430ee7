#include "album/ArchiveLocation.h"

#include "app/settings/SettingsStore.h"
#include "app/settings/UserName.h"

namespace nook {

std::optional<CArchivePaths> LastUserArchive(const std::string& suiteDir) {
    // The settings store reads config.xml and the user's file as NookBackup does, so the
    // saver looks in the very folder NookBackup writes.
    CSettingsStore settings(suiteDir);
    settings.LoadSettings();
    const std::string& userName = settings.User().userName;
    if (!IsUsableUserName(userName)) return std::nullopt;
    return CArchivePaths(settings.ArchiveRoot(), userName);
}

} // namespace nook
