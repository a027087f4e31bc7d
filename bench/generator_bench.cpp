// Speed of the walk and of repeat removal, each beside a reference run in
// the same process:
// - the walk over a real tree against std::filesystem's recursive iterator
//   (which does no sorting and keeps no order);
// - DeleteDouble against the plain compare-with-every-kept-entry method.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/delete_double.h"
#include "core/generator.h"
#include "core/list_editing.h"
#include "core/list_file.h"
#include "platform/posix/posix_directory_lister.h"
#include "support/temp_tree.h"

namespace {

using dirnal::testing::TempTree;

// 4 levels: 8 x 8 x 8 x 8 = 4,680 directories, each with two files.
const TempTree& realTree()
{
    static const TempTree tree;
    static const bool built = [] {
        const TempTree& t = tree;
        std::vector<std::string> level{""};
        for (int depth = 0; depth < 4; ++depth) {
            std::vector<std::string> next;
            for (const std::string& parent : level) {
                for (int i = 0; i < 8; ++i) {
                    const std::string dir = parent + (parent.empty() ? "" : "/") + "Dir" + std::to_string(i);
                    t.mkdir(dir);
                    t.touch(dir + "/a.prt");
                    t.touch(dir + "/b.asm");
                    next.push_back(dir);
                }
            }
            level = std::move(next);
        }
        return true;
    }();
    (void)built;
    return tree;
}

void BM_GenerateRealTree(benchmark::State& state)
{
    const dirnal::PosixDirectoryLister lister;
    const std::string root = realTree().root();
    for (auto _ : state) {
        const auto report = dirnal::walkTree(root, {}, lister).report;
        benchmark::DoNotOptimize(report.total);
        state.counters["dirs"] = report.total;
    }
}
BENCHMARK(BM_GenerateRealTree)->Unit(benchmark::kMillisecond);

void BM_ReferenceRecursiveIterator(benchmark::State& state)
{
    const std::string root = realTree().root();
    for (auto _ : state) {
        std::vector<std::string> dirs;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            if (entry.is_directory())
                dirs.push_back(entry.path().string());
        }
        benchmark::DoNotOptimize(dirs.data());
        state.counters["dirs"] = static_cast<double>(dirs.size());
    }
}
BENCHMARK(BM_ReferenceRecursiveIterator)->Unit(benchmark::kMillisecond);

std::vector<std::string> entriesWithRepeats(std::int64_t n)
{
    std::vector<std::string> entries;
    for (std::int64_t i = 0; i < n; ++i)
        entries.push_back("\\\\srv\\cad\\lib\\part" + std::to_string(i % (n / 2 + 1)));
    return entries;
}

void BM_DeleteDouble(benchmark::State& state)
{
    const auto entries = entriesWithRepeats(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(dirnal::withoutRepeats(entries).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DeleteDouble)->RangeMultiplier(4)->Range(512, 32767)->Complexity();

// The method that compares every entry with all entries kept so far.
void BM_ReferenceQuadraticRepeats(benchmark::State& state)
{
    const auto entries = entriesWithRepeats(state.range(0));
    for (auto _ : state) {
        std::vector<std::string> kept;
        for (const std::string& entry : entries) {
            bool repeat = false;
            for (const std::string& k : kept) {
                if (k == entry) {
                    repeat = true;
                    break;
                }
            }
            if (!repeat || entry.empty() || entry.starts_with("mapkey"))
                kept.push_back(entry);
        }
        benchmark::DoNotOptimize(kept.size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReferenceQuadraticRepeats)->RangeMultiplier(4)->Range(512, 32767)->Complexity();

std::vector<std::string> fullList()
{
    std::vector<std::string> entries;
    for (int i = 0; i < dirnal::PathList::kMaxEntries; ++i)
        entries.push_back("C:\\CAD\\" + std::string(i % 3 ? "Normteile" : "Alt") + "\\Teil" + std::to_string(i));
    return entries;
}

void BM_Thisnot(benchmark::State& state)
{
    dirnal::PathList list;
    list.assign(fullList());
    for (auto _ : state)
        benchmark::DoNotOptimize(dirnal::thisnot(list, "Alt"));
}
BENCHMARK(BM_Thisnot)->Unit(benchmark::kMicrosecond);

void BM_BlankSelectedAndLeerz(benchmark::State& state)
{
    const auto entries = fullList();
    dirnal::PathList list;
    for (auto _ : state) {
        state.PauseTiming();
        list.assign(entries);
        dirnal::thisnot(list, "Alt");
        state.ResumeTiming();
        dirnal::blankSelected(list);
        dirnal::Leerz(list);
    }
}
BENCHMARK(BM_BlankSelectedAndLeerz)->Unit(benchmark::kMicrosecond);

void BM_ListFileEncode(benchmark::State& state)
{
    const auto entries = fullList();
    for (auto _ : state)
        benchmark::DoNotOptimize(dirnal::encodeListFile(entries).size());
}
BENCHMARK(BM_ListFileEncode)->Unit(benchmark::kMicrosecond);

void BM_ListFileDecode(benchmark::State& state)
{
    const std::string bytes = dirnal::encodeListFile(fullList());
    for (auto _ : state)
        benchmark::DoNotOptimize(dirnal::decodeListFile(bytes, dirnal::PathList::kMaxEntries).entries.size());
}
BENCHMARK(BM_ListFileDecode)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
