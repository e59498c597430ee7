// Reads and writes config.xml and the current user's "<user>.xml" in the program
// folder. The main dialog owns one store; the backup's transfer thread saves through it
// after a backup, while the dialog is busy and does not touch it.
#pragma once

#include "app/settings/Settings.h"

#include <string>

namespace nook {

class CSettingsStore {
  public:
    // `programDir`: the program folder with its trailing backslash.
    explicit CSettingsStore(std::string programDir);

    // Reads config.xml (defaults when it is missing or not a Config document), then the
    // last user's file. The download timeout is the Download element's Timeout when it
    // lies within 1..3600 seconds, else the default.
    void LoadSettings();

    // Reads that user's file. False, changing nothing, for an empty name or one that
    // is not usable as a file name. A missing or foreign file gives the first-backup
    // values and an empty user name; the remember-me flag is kept.
    bool LoadUserSettings(const std::string& userName);

    // Writes config.xml and, when a user is set, the user's file, each replaced whole
    // so that an interrupted save leaves the old file. An existing file with the right
    // root keeps, in place, every element and attribute the program does not write
    // itself (settings of other versions, such as config.xml's Download); the known
    // attributes get the current values and a missing known element is appended under
    // the root. A missing, unreadable or not well-formed file, or one with another root,
    // is written afresh. False when the user name is not usable (then nothing is
    // written) or a file could not be written.
    bool SaveSettings();

    ClientSettings& Client() { return client_; }
    const ClientSettings& Client() const { return client_; }
    UserSettings& User() { return user_; }
    const UserSettings& User() const { return user_; }
    const std::string& ProgramFolder() const { return programDir_; }
    // The folder that holds the user folders, with its trailing backslash: the configured
    // archive folder (absolute, or relative to the program folder), else the program
    // folder.
    std::string ArchiveRoot() const;

  private:
    std::string ConfigPath() const;
    std::string UserFilePath(const std::string& userName) const;
    bool SaveConfig() const;
    bool SaveUserFile() const;

    std::string programDir_;
    ClientSettings client_;
    UserSettings user_;
};

} // namespace nook
