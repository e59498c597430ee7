// CXmlDocument against pugixml on the generated backup-list answer, in one run:
//   Parse:    SetDocText versus xml_document::load_buffer;
//   ReadAll:  the same, then every attribute of every element read through the
//             public API, by name, as the protocol code reads them;
//   Utf8ToAnsi: the conversion the protocol runs on the answer before parsing.
// Both parsers get the same code page 936 bytes (pugixml reads them as UTF-8 without
// checking, which is safe: no trail byte of code page 936 is markup). The ratios at the
// end are pugixml's time over ours: 1.0 means as fast as pugixml.
#include "bench/common/BackupAnswerGenerator.h"
#include "xml/XmlDocument.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using nook::CXmlDocument;

struct Answer {
    std::string utf8 = nook::bench::GenerateBackupAnswer();
    std::string ansi = CXmlDocument::Utf8ToAnsi(utf8);
};

const Answer& TheAnswer() {
    static const Answer answer;
    return answer;
}

struct ListShape {
    const char* list;
    const char* item;
    std::vector<const char*> attributes;
};

const ListShape kLists[] = {
    {"BlogList", "Blog",
     {"blog_id", "blog_class", "character", "mood", "weather", "title", "content", "create_time", "update_time",
      "comment_count", "read_count", "is_memory", "is_editor_choice"}},
    {"CommentList", "Comment",
     {"comment_id", "blog_id", "guest_name", "user_name", "photo_name", "comment_content", "comment_datetime",
      "reply_content", "reply_datetime"}},
    {"TwitterList", "Twitter", {"id", "character", "content", "create_time"}},
};
const char* const kSummaryAttributes[] = {"NewBlogCount", "UpdatedBlogCount", "NewCommentCount", "NewTwitterCount"};

void SetBytes(benchmark::State& state, size_t bytes) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

void NookParse(benchmark::State& state) {
    const std::string& text = TheAnswer().ansi;
    for (auto _ : state) {
        CXmlDocument doc;
        benchmark::DoNotOptimize(doc.SetDocText(text));
    }
    SetBytes(state, text.size());
}

void PugixmlParse(benchmark::State& state) {
    const std::string& text = TheAnswer().ansi;
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8));
    }
    SetBytes(state, text.size());
}

size_t NookReadAll(const std::string& text) {
    CXmlDocument doc;
    doc.SetDocText(text);
    size_t bytes = 0;
    if (!doc.FindElement("Backup")) return 0;
    bytes += doc.GetAttribute("Result").size();
    doc.IntoElement();
    if (!doc.FindElement("Summary")) return 0;
    for (const char* name : kSummaryAttributes) bytes += doc.GetAttribute(name).size();
    for (const ListShape& list : kLists) {
        if (!doc.FindElement(list.list)) continue;
        while (doc.FindChildElement(list.item))
            for (const char* name : list.attributes) bytes += doc.GetChildAttribute(name).size();
    }
    return bytes;
}

size_t PugixmlReadAll(const std::string& text) {
    pugi::xml_document doc;
    doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    size_t bytes = 0;
    const pugi::xml_node backup = doc.child("Backup");
    bytes += std::strlen(backup.attribute("Result").value());
    const pugi::xml_node summary = backup.child("Summary");
    for (const char* name : kSummaryAttributes) bytes += std::strlen(summary.attribute(name).value());
    for (const ListShape& list : kLists)
        for (pugi::xml_node item = backup.child(list.list).child(list.item); item; item = item.next_sibling(list.item))
            for (const char* name : list.attributes) bytes += std::strlen(item.attribute(name).value());
    return bytes;
}

void NookReadAllAttributes(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(NookReadAll(TheAnswer().ansi));
    SetBytes(state, TheAnswer().ansi.size());
}

void PugixmlReadAllAttributes(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(PugixmlReadAll(TheAnswer().ansi));
    SetBytes(state, TheAnswer().ansi.size());
}

void NookUtf8ToAnsi(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(CXmlDocument::Utf8ToAnsi(TheAnswer().utf8));
    SetBytes(state, TheAnswer().utf8.size());
}

BENCHMARK(NookParse)->Unit(benchmark::kMillisecond);
BENCHMARK(PugixmlParse)->Unit(benchmark::kMillisecond);
BENCHMARK(NookReadAllAttributes)->Unit(benchmark::kMillisecond);
BENCHMARK(PugixmlReadAllAttributes)->Unit(benchmark::kMillisecond);
BENCHMARK(NookUtf8ToAnsi)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's CPU time per iteration for the ratios: the median when runs
// are repeated (scripts/bench repeats them, interleaved, so that a busy machine weighs
// on both sides alike). CPU time rather than wall time for the same reason.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                seconds_[name] = run.GetAdjustedCPUTime();
                medians_.insert(name);
            } else if (run.run_type == Run::RT_Iteration && !medians_.count(name)) {
                seconds_[name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double Time(const std::string& name) const {
        auto it = seconds_.find(name);
        return it == seconds_.end() ? 0 : it->second;
    }

private:
    std::map<std::string, double> seconds_;
    std::set<std::string> medians_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const Answer& answer = TheAnswer();
    std::printf("backup-list answer: %.1f MB UTF-8, %.1f MB code page 936\n", answer.utf8.size() / 1e6,
                answer.ansi.size() / 1e6);
    if (NookReadAll(answer.ansi) != PugixmlReadAll(answer.ansi)) std::printf("note: the two readers disagree on the values\n");
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto ratio = [&](const char* ours, const char* theirs) {
        const double a = reporter.Time(ours), b = reporter.Time(theirs);
        return a > 0 ? b / a : 0;
    };
    const double parse = ratio("NookParse", "PugixmlParse");
    const double readAll = ratio("NookReadAllAttributes", "PugixmlReadAllAttributes");
    std::printf("\n(a) parse only:                 %.2fx pugixml (target >= 1.0) %s\n", parse, parse >= 1.0 ? "met" : "MISSED");
    std::printf("(b) parse + read attributes:    %.2fx pugixml (target >= 0.5) %s\n", readAll,
                readAll >= 0.5 ? "met" : "MISSED");
    const double convert = reporter.Time("NookUtf8ToAnsi");
    if (convert > 0) std::printf("Utf8ToAnsi:                     %.0f MB/s\n", answer.utf8.size() / 1e6 / (convert / 1e3));
    benchmark::Shutdown();
    return 0;
}
