// A private folder for the files one fuzzing process writes, so that two runs of one
// target never share it: in /dev/shm where it can be made, since the code under test
// flushes what it writes and a flush to a disk would set the pace, else under the
// system's temporary folder. Removed with everything in it when the process ends
// normally; a crash leaves it for a look.
#pragma once

#include <string>

namespace nook::test {

class CScratchFolder {
  public:
    // Aborts when the folder cannot be made: a target cannot run without it.
    explicit CScratchFolder(const char* prefix);
    ~CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    // With a trailing "/".
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// Replaces the file with `bytes`; aborts when it cannot.
void WriteScratchFile(const std::string& path, const std::string& bytes);

} // namespace nook::test
