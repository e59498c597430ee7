// Helpers of the archive tests: a program folder with page templates, a log that keeps
// its lines, and the committed answers.
#pragma once

#include "archive/Log.h"
#include "service/BackupRecords.h"

#include <string>
#include <vector>

namespace nook {
class CSettingsStore;
}

namespace nook::test {

// The test templates (tests/data/backup/templates), which show each substitution plainly.
extern const char kPlainTemplates[];
// The templates shipped with the program.
extern const char kShippedTemplates[];

// A fresh program folder (trailing backslash) whose "Templates" holds the page templates
// from `templatesFolder`.
std::string ProgramFolderWithTemplates(const std::string& templatesFolder = kPlainTemplates);
// Has the plain diary and month page templates of `programDir` end in a line
// "nav={Navigation}", so that their pages show their neighbour links.
void LinkPlainPages(const std::string& programDir);

// A diary as an answer brings it, with only these fields set.
BlogEntry DiaryEntry(int32_t id, const std::string& title, const std::string& created,
                     const std::string& content);

// Gives `settings` the user `userName` with the marks of an earlier backup (diary 6,
// comment 100, post 29, 2008-01-01) and saves them.
void SaveEarlierMarks(CSettingsStore& settings, const std::string& userName);

// A committed file of tests/data/backup.
std::string BackupFixture(const char* name);

class RecordingLog : public ILog {
  public:
    void WriteLog(const std::string& text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};

} // namespace nook::test
