#include "core/existence_check.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace dirnal {

std::vector<bool> existingDirectories(const std::vector<std::string>& paths, const DirectoryLister& lister,
                                      int concurrentChecks, const std::function<void(std::size_t)>& progress)
{
    // One byte a path: std::vector<bool> packs bits, which threads may not
    // write side by side.
    std::vector<char> exists(paths.size(), 0);
    std::atomic<std::size_t> next{0}, answered{0};
    const auto check = [&] {
        for (std::size_t i = next++; i < paths.size(); i = next++) {
            exists[i] = lister.dirExists(paths[i]) ? 1 : 0;
            const std::size_t done = ++answered;
            if (progress && done % 64 == 0)
                progress(done);
        }
    };
    const auto helpers = static_cast<std::size_t>(std::clamp(concurrentChecks, 1, 256) - 1);
    std::vector<std::thread> threads;
    threads.reserve(std::min(helpers, paths.size()));
    for (std::size_t t = 0; t < helpers && t + 1 < paths.size(); ++t)
        threads.emplace_back(check);
    check();
    for (std::thread& thread : threads)
        thread.join();
    if (progress)
        progress(paths.size());
    return std::vector<bool>(exists.begin(), exists.end());
}

}  // namespace dirnal
