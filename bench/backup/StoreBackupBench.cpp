// StoreBackup of the generated backup-list answer against plain fwrite, in one run:
//   StoreBackup:            parse the answer into records and store the whole archive
//                           (diary pages, BlogList.xml, TwitterList.xml, month pages,
//                           settings) into a fresh program folder with the shipped
//                           templates;
//   IncrementalStoreBackup: a later backup (bench::GenerateFollowUpAnswer: new and
//                           updated diaries, comments on older ones, posts) parsed and
//                           stored on that archive, loaded as a program run loads it;
//   PlainFwrite:            the files of the whole archive (count, sizes, folders)
//                           written with fopen, fwrite and fclose into a fresh folder.
// The time ratios are printed at the end, with the peak memory of one parse-and-store,
// measured in a forked child whose ru_maxrss starts at its size at the fork (the
// generated answer already included). Once, beside the measurements, the index files
// and the photo list StoreBackup wrote are compared with what the XML document class
// writes of the same indexes and list.
//
// Every folder is removed only when all is measured: a file system that holds back the
// numbers of recently deleted files for a while (ext4 without a journal) would otherwise
// make each run pay for the files the run before it deleted, a cost no real backup has.
#include "bench/common/BackupAnswerGenerator.h"
#include "tests/backup/IndexFilesByDocument.h"
#include "tests/backup/PhotoListByDocument.h"
#include "app/settings/SettingsStore.h"
#include "archive/Archive.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string& Answer() {
    static const std::string answer = nook::bench::GenerateBackupAnswer();
    return answer;
}

// The folders made so far, removed at the end.
std::vector<fs::path>& Folders() {
    static std::vector<fs::path> folders;
    return folders;
}

// A fresh empty folder below the temporary folder.
fs::path FreshFolder() {
    std::string pattern = (fs::temp_directory_path() / "nook-store-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    Folders().push_back(pattern);
    return pattern;
}

// The program folder in the programs' own form: backslashes, trailing backslash.
std::string ProgramDirOf(const fs::path& folder) {
    std::string dir = folder.string() + "/";
    for (char& c : dir)
        if (c == '/') c = '\\';
    return dir;
}

fs::path ProgramFolderWithTemplates() {
    fs::path folder = FreshFolder();
    fs::copy(NOOK_TEMPLATES_DIR, folder / "Templates", fs::copy_options::recursive);
    return folder;
}

// The archive of user "mimi" in a program folder, as the main dialog holds it.
struct UserArchive {
    explicit UserArchive(const fs::path& folder)
        : settings(ProgramDirOf(folder)), archive(ProgramDirOf(folder), settings, nullptr) {
        settings.User().userName = "mimi";
    }
    // Parses and stores an answer as the transfer thread does; true on success.
    bool Store(const std::string& answer) {
        return archive.StoreBackup(nook::ParseBlogListAnswer(answer)).result == nook::kBackupSuccess;
    }

    nook::CSettingsStore settings;
    nook::CArchive archive;
};

bool ParseAndStore(const fs::path& folder) {
    return UserArchive(folder).Store(Answer());
}

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct WrittenFile {
    fs::path relative;
    size_t size;
};

struct FullStore {
    std::vector<WrittenFile> files; // every file StoreBackup writes (everything but the templates)
    bool flatFilesAsDocumentClass = false;
    size_t flatBytes = 0;
    size_t photos = 0;
};

// Whether the index files and the photo list StoreBackup wrote have the bytes the XML
// document class writes of the same indexes and list.
bool FlatFilesAsDocumentClass(const fs::path& folder, const nook::CArchive& archive, size_t& bytes) {
    const fs::path reference = FreshFolder();
    const std::string referenceDir = ProgramDirOf(reference);
    if (!nook::test::SaveBlogIndexByDocument(referenceDir + "BlogList.xml", archive.Blogs()) ||
        !nook::test::SaveTwitterIndexByDocument(referenceDir + "TwitterList.xml", archive.Twitters(),
                                                static_cast<int>(archive.LastBackup().twitters.size())) ||
        !nook::test::SavePhotoListByDocument(referenceDir + "PhotoList.xml", archive.Photos()))
        return false;
    bool same = true;
    bytes = 0;
    for (const char* name : {"BlogList.xml", "TwitterList.xml", "PhotoList.xml"}) {
        const std::string written = FileBytes(folder / "mimi" / name);
        same = same && !written.empty() && written == FileBytes(reference / name);
        bytes += written.size();
    }
    return same;
}

// From one real run.
const FullStore& TheFullStore() {
    static const FullStore store = [] {
        FullStore found;
        fs::path folder = ProgramFolderWithTemplates();
        UserArchive user(folder);
        if (!user.Store(Answer())) std::abort();
        found.flatFilesAsDocumentClass = FlatFilesAsDocumentClass(folder, user.archive, found.flatBytes);
        found.photos = user.archive.Photos().Entries().size();
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            fs::path relative = fs::relative(entry.path(), folder);
            if (entry.is_regular_file() && *relative.begin() != "Templates")
                found.files.push_back({relative, static_cast<size_t>(entry.file_size())});
        }
        return found;
    }();
    return store;
}

const std::vector<WrittenFile>& WrittenFiles() {
    return TheFullStore().files;
}

void BM_StoreBackup(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        fs::path folder = ProgramFolderWithTemplates();
        state.ResumeTiming();
        if (!ParseAndStore(folder)) state.SkipWithError("StoreBackup failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Answer().size()));
}

const std::string& FollowUpAnswer() {
    static const std::string answer = nook::bench::GenerateFollowUpAnswer(Answer());
    return answer;
}

void BM_IncrementalStoreBackup(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        fs::path folder = ProgramFolderWithTemplates();
        if (!ParseAndStore(folder)) state.SkipWithError("StoreBackup of the whole answer failed");
        // A later run: the archive loaded at login, then the backup stored.
        auto later = std::make_unique<UserArchive>(folder);
        later->settings.LoadUserSettings("mimi");
        later->archive.LoadArchive("mimi");
        state.ResumeTiming();
        if (!later->Store(FollowUpAnswer())) state.SkipWithError("StoreBackup failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(FollowUpAnswer().size()));
}

void BM_PlainFwrite(benchmark::State& state) {
    const std::vector<WrittenFile>& files = WrittenFiles();
    size_t largest = 0;
    std::set<fs::path> folders;
    for (const WrittenFile& file : files) {
        largest = std::max(largest, file.size);
        folders.insert(file.relative.parent_path());
    }
    const std::string bytes(largest, 'x');
    for (auto _ : state) {
        state.PauseTiming();
        fs::path folder = FreshFolder();
        state.ResumeTiming();
        for (const fs::path& sub : folders)
            fs::create_directories(folder / sub);
        for (const WrittenFile& file : files) {
            std::FILE* out = std::fopen((folder / file.relative).c_str(), "wb");
            if (!out || std::fwrite(bytes.data(), 1, file.size, out) != file.size)
                state.SkipWithError("fwrite failed");
            if (out) std::fclose(out);
        }
    }
}

BENCHMARK(BM_StoreBackup)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_PlainFwrite)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
// After the yardstick, so that the archives its set-up stores do not weigh on it.
BENCHMARK(BM_IncrementalStoreBackup)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

class CollectingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            seconds[run.benchmark_name()] = run.GetAdjustedRealTime() / 1000.0;
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

long MaxRssKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Peak memory of one parse-and-store above the size of the process holding the answer.
long PeakStoreKilobytes() {
    int channel[2];
    if (pipe(channel) != 0) return -1;
    const fs::path folder = ProgramFolderWithTemplates();
    pid_t child = fork();
    if (child == 0) {
        long start = MaxRssKilobytes();
        bool stored = ParseAndStore(folder);
        long growth = stored ? MaxRssKilobytes() - start : -1;
        ssize_t written = write(channel[1], &growth, sizeof growth);
        _exit(written == sizeof growth ? 0 : 1);
    }
    long growth = -1;
    if (read(channel[0], &growth, sizeof growth) != sizeof growth) growth = -1;
    waitpid(child, nullptr, 0);
    close(channel[0]);
    close(channel[1]);
    return growth;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const double answerMb = Answer().size() / 1e6;
    const long peakKb = PeakStoreKilobytes();
    std::printf("answer: %.1f MB; StoreBackup writes %zu files\n", answerMb, WrittenFiles().size());
    std::printf("BlogList.xml, TwitterList.xml and PhotoList.xml (%zu photos; %zu bytes) as the XML document "
                "class writes them: %s\n",
                TheFullStore().photos, TheFullStore().flatBytes,
                TheFullStore().flatFilesAsDocumentClass ? "yes" : "NO");
    std::printf("later backup: %.1f KB\n", FollowUpAnswer().size() / 1e3);

    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const fs::path& folder : Folders()) fs::remove_all(folder);

    auto store = reporter.seconds.find("BM_StoreBackup/iterations:3/real_time");
    auto incremental = reporter.seconds.find("BM_IncrementalStoreBackup/iterations:5/real_time");
    auto plain = reporter.seconds.find("BM_PlainFwrite/iterations:3/real_time");
    if (store != reporter.seconds.end() && plain != reporter.seconds.end() && plain->second > 0)
        std::printf("StoreBackup / plain fwrite: %.2f (target 2.00 or less)\n",
                    store->second / plain->second);
    if (incremental != reporter.seconds.end() && plain != reporter.seconds.end() && plain->second > 0)
        std::printf("incremental StoreBackup / plain fwrite: %.2f %% (target 15 %% or less)\n",
                    100 * incremental->second / plain->second);
    const double peakMb = peakKb * 1024 / 1e6;
    std::printf("peak memory of parse and store: %.1f MB above the process holding the answer; "
                "with the answer %.1f MB = %.2f x the answer (target below 4)\n",
                peakMb, peakMb + answerMb, (peakMb + answerMb) / answerMb);
    return 0;
}
