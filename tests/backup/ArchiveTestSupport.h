// Helpers of the archive tests: a program folder with page templates, a log that keeps
// its lines, and the committed answers.
#pragma once

#include "archive/Log.h"

#include <string>
#include <vector>

namespace nook::test {

// The test templates (tests/data/backup/templates), which show each substitution plainly.
extern const char kPlainTemplates[];
// The templates shipped with the program.
extern const char kShippedTemplates[];

// A fresh program folder (trailing backslash) whose "Templates" holds the four templates
// from `templatesFolder`.
std::string ProgramFolderWithTemplates(const std::string& templatesFolder = kPlainTemplates);

// A committed file of tests/data/backup.
std::string BackupFixture(const char* name);

class RecordingLog : public ILog {
  public:
    void WriteLog(const std::string& text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};

} // namespace nook::test
