// The path list view on 32,767 entries, beside the widget-based way in the
// same process: filling, selecting by search text, deleting.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>

#include "core/list_file.h"
#include "core/session.h"
#include "support/fake_lister.h"
#include "support/session_fakes.h"
#include "ui/path_list_view.h"

namespace {

std::vector<std::string> fullList()
{
    std::vector<std::string> entries;
    for (int i = 0; i < dirnal::PathList::kMaxEntries; ++i)
        entries.push_back("\\\\srv\\cad\\" + std::string(i % 3 == 0 ? "alt" : "neu") + "\\teil" + std::to_string(i));
    return entries;
}

// A session whose list a view shows: "2. Liste erstellen" on an empty
// folder empties it, reading a list file of 32,767 entries fills it.
struct ShownSession {
    ShownSession()
    {
        tree.addDirectory("/leer");
        files.files["/full/dirnal.lst"] = dirnal::encodeListFile(fullList());
        session.setFolder(dirnal::StoredFolder::StartDirectory, "/leer");
        view.setSession(session);
    }
    void refill()
    {
        session.generate(/*keepExisting=*/false, dialogs);
        (void)session.readListFile("/full/dirnal.lst", dialogs);
    }
    dirnal::testing::FakeLister tree{dirnal::PathStyle::Posix};
    dirnal::testing::MemoryFiles files;
    dirnal::testing::ScriptedDialogs dialogs;
    dirnal::Session session{{&tree, nullptr, &files}};
    dirnal::ui::PathListView view;
};

void BM_ViewFill(benchmark::State& state)
{
    ShownSession shown;
    for (auto _ : state)
        shown.refill();
}
BENCHMARK(BM_ViewFill)->Unit(benchmark::kMillisecond);

void BM_ViewSelectBySearch(benchmark::State& state)
{
    ShownSession shown;
    shown.refill();
    // Every third entry, then the other two of each three: the whole selection changes.
    bool alt = false;
    for (auto _ : state)
        shown.session.selectBySearchText((alt = !alt) ? "alt" : "neu");
}
BENCHMARK(BM_ViewSelectBySearch)->Unit(benchmark::kMillisecond);

void BM_ViewDeleteSelected(benchmark::State& state)
{
    ShownSession shown;
    for (auto _ : state) {
        state.PauseTiming();
        shown.refill();
        shown.session.selectBySearchText("alt");
        state.ResumeTiming();
        shown.session.deleteSelected();
    }
}
BENCHMARK(BM_ViewDeleteSelected)->Unit(benchmark::kMillisecond);

// The reference: a list widget holding its own copy, filled item by item.
// (Selecting its items one by one as well took 15 s here on 32,767 entries.)
void BM_ReferenceListWidgetFill(benchmark::State& state)
{
    const auto entries = fullList();
    QListWidget widget;
    widget.setSelectionMode(QAbstractItemView::ExtendedSelection);
    widget.setUniformItemSizes(true);
    for (auto _ : state) {
        widget.clear();
        for (const std::string& entry : entries)
            widget.addItem(QString::fromStdString(entry));
    }
}
BENCHMARK(BM_ReferenceListWidgetFill)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
