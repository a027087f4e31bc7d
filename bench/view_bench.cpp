// The path list view on 32,767 entries, beside the widget-based way in the
// same process: filling, selecting by search text, deleting.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>

#include "core/list_editing.h"
#include "ui/path_list_view.h"

namespace {

std::vector<std::string> fullList()
{
    std::vector<std::string> entries;
    for (int i = 0; i < dirnal::PathList::kMaxEntries; ++i)
        entries.push_back("\\\\srv\\cad\\" + std::string(i % 3 == 0 ? "alt" : "neu") + "\\teil" + std::to_string(i));
    return entries;
}

void BM_ViewFill(benchmark::State& state)
{
    const auto entries = fullList();
    dirnal::PathList list;
    dirnal::ui::PathListView view;
    view.setPathList(&list);
    for (auto _ : state) {
        list.assign(entries);
        view.showList();
    }
}
BENCHMARK(BM_ViewFill)->Unit(benchmark::kMillisecond);

void BM_ViewSelectBySearch(benchmark::State& state)
{
    dirnal::PathList list;
    list.assign(fullList());
    dirnal::ui::PathListView view;
    view.setPathList(&list);
    view.showList();
    for (auto _ : state) {
        dirnal::thisnot(list, "alt");
        view.showList();
    }
}
BENCHMARK(BM_ViewSelectBySearch)->Unit(benchmark::kMillisecond);

void BM_ViewDeleteSelected(benchmark::State& state)
{
    const auto entries = fullList();
    dirnal::PathList list;
    dirnal::ui::PathListView view;
    view.setPathList(&list);
    for (auto _ : state) {
        state.PauseTiming();
        list.assign(entries);
        dirnal::thisnot(list, "alt");
        view.showList();
        state.ResumeTiming();
        dirnal::blankSelected(list);
        dirnal::Leerz(list);
        view.showList();
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
