// Times one photo pass of NookBackup's download worker, with nothing else of the program
// around it: photo_pass_timer URLFILE OUTDIR [CONNECTIONS]. URLFILE holds one address per
// line; the photos go to OUTDIR as 0.jpg, 1.jpg, ... The time runs from Start to the end
// of the pass, as a download tool's run is timed from its start to its exit.
#include "net/DownloadWorker.h"

#include "framework/KernelHandle.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

class CountingSink final : public nook::IPhotoPassSink {
  public:
    explicit CountingSink(HANDLE ended) : ended_(ended) {}
    void OnPhotoHandled(size_t, const nook::PhotoOutcome& outcome) override {
        if (outcome.result == nook::PhotoResult::Stored)
            ++stored;
        else
            std::printf("failed: %s\n", outcome.error.c_str());
    }
    void OnPassEnded() override { SetEvent(ended_); }

    size_t stored = 0;

  private:
    HANDLE ended_; // not owned
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: photo_pass_timer URLFILE OUTDIR [CONNECTIONS]\n");
        return 2;
    }
    const int connections = argc > 3 ? std::atoi(argv[3]) : 4;
    std::vector<nook::DownloadItem> items;
    std::ifstream list(argv[1]);
    for (std::string url; std::getline(list, url);) {
        if (!url.empty() && url.back() == '\r')
            url.pop_back();
        if (url.empty())
            continue;
        const int sequence = static_cast<int>(items.size());
        items.push_back({sequence, url, std::string(argv[2]) + "\\" + std::to_string(sequence) + ".jpg"});
    }
    const size_t count = items.size();

    nook::CKernelHandle ended(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    CountingSink sink(ended.Get());
    nook::CDownloadWorker worker;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    if (!worker.Start(nullptr, 0, std::move(items), &sink, 30, connections)) {
        std::fprintf(stderr, "the pass did not start\n");
        return 1;
    }
    WaitForSingleObject(ended.Get(), INFINITE);
    QueryPerformanceCounter(&end);
    std::printf("photo pass: %zu photos, %zu stored, %.3f s (%d at once)\n", count, sink.stored, Seconds(start, end),
                connections);
    return sink.stored == count ? 0 : 1;
}
