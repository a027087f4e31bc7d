// "nicht vorhandene Pfade auswählen" on a list of 3,000 entries on a slow
// share, where every check is a round trip of 1 ms: the session's 32 checks
// at once beside one at a time, the reference, in the same run; the second
// prints its ratio to the first.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "core/list_file.h"
#include "core/session.h"
#include "support/session_fakes.h"

namespace {

using Clock = std::chrono::steady_clock;

// Every entry names a directory but those ending in 7; each answer takes 1 ms.
struct SlowShare final : dirnal::DirectoryLister {
    bool dirExists(const std::string& path) const override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return !path.ends_with('7');
    }
    dirnal::DirectoryListing list(const std::string&) const override { return {}; }
};

// Seconds per check of the whole list, one check at a time.
double oneAtATimeSeconds = 0;

double secondsPerCheck(benchmark::State& state, int concurrentChecks)
{
    const SlowShare share;
    dirnal::testing::MemoryFiles files;
    dirnal::testing::ScriptedDialogs dialogs;
    std::vector<std::string> entries;
    for (int i = 0; i < 3000; ++i)
        entries.push_back("\\\\srv\\cad\\teil" + std::to_string(i));
    files.files["/share.lst"] = dirnal::encodeListFile(entries);
    dirnal::Session session({&share, nullptr, &files});
    (void)session.readListFile("/share.lst", dialogs);

    dirnal::CheckOptions options;
    options.concurrentChecks = concurrentChecks;
    const Clock::time_point start = Clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(session.selectMissingEntries({}, options));
    return std::chrono::duration<double>(Clock::now() - start).count() / static_cast<double>(state.iterations());
}

void BM_ReferenceCheckOneAtATime(benchmark::State& state)
{
    oneAtATimeSeconds = secondsPerCheck(state, 1);
}
BENCHMARK(BM_ReferenceCheckOneAtATime)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_CheckMissingEntries(benchmark::State& state)
{
    const double seconds = secondsPerCheck(state, dirnal::kDefaultConcurrentListings);
    if (oneAtATimeSeconds > 0)
        state.counters["ratio_to_one_at_a_time"] = seconds / oneAtATimeSeconds;
}
BENCHMARK(BM_CheckMissingEntries)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
