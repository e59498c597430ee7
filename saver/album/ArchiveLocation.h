// Where the saver finds the family's photos: the archive of NookBackup's last user.
// NookSS lives one folder below the suite folder, where NookBackup keeps config.xml and
// the user files; the user folders lie there too, or in the folder config.xml names.
// The saver only reads them.
#pragma once

#include "archive/ArchivePaths.h"

#include <optional>
#include <string>

namespace nook {

// The archive of the user NookBackup shows at its start: the last user of config.xml,
// with the name converted and checked as NookBackup does before it makes a folder of
// it, in the folder config.xml names (<Archive Path="..."/>) or the suite folder. None
// when there is no such user or the name cannot be a folder name.
std::optional<CArchivePaths> LastUserArchive(const std::string& suiteDir);

} // namespace nook
