// Walks a tree as the window's generator does and prints how long it took:
//   dirnal_walk ROOT [--pool N] [--latency-ms L] [--print]
// --latency-ms adds a pause to every listing, as a network share would.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "core/generator.h"
#include "core/list_file.h"
#include "platform/native_directory_lister.h"

namespace {

class SlowLister final : public dirnal::DirectoryLister {
public:
    SlowLister(const dirnal::DirectoryLister& inner, std::chrono::microseconds latency)
        : inner_(inner), latency_(latency)
    {
    }
    bool dirExists(const std::string& path) const override { return inner_.dirExists(path); }
    dirnal::DirectoryListing list(const std::string& directory) const override
    {
        std::this_thread::sleep_for(latency_);
        return inner_.list(directory);
    }

private:
    const dirnal::DirectoryLister& inner_;
    std::chrono::microseconds latency_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s ROOT [--pool N] [--latency-ms L] [--print]\n", argv[0]);
        return 2;
    }
    dirnal::WalkOptions options;
    double latencyMs = 0;
    bool print = false;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--pool" && i + 1 < argc)
            options.concurrentListings = std::atoi(argv[++i]);
        else if (option == "--latency-ms" && i + 1 < argc)
            latencyMs = std::atof(argv[++i]);
        else if (option == "--print")
            print = true;
    }
    const dirnal::NativeDirectoryLister disk;
    const SlowLister slow(disk, std::chrono::microseconds(static_cast<long>(latencyMs * 1000)));
    const dirnal::DirectoryLister& lister = latencyMs > 0 ? static_cast<const dirnal::DirectoryLister&>(slow) : disk;

    const auto start = std::chrono::steady_clock::now();
    const dirnal::GeneratedList result = dirnal::walkTree(argv[1], {}, lister, options);
    const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);

    if (print) {
        const std::string bytes = dirnal::encodeListFile(result.entries);
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return 0;
    }
    const std::string bytes = dirnal::encodeListFile(result.entries);
    std::printf("dirs=%d ms=%.1f fingerprint=%zx\n", result.report.total, elapsed.count(),
                std::hash<std::string>{}(bytes));
    return 0;
}
