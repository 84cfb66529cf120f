// Reading and writing node lists: every saved game and room record goes through this.
#include <benchmark/benchmark.h>

#include "foundation/id_list.h"
#include "foundation/node_factory.h"
#include "foundation/stream.h"

namespace {

void BM_WriteIdList(benchmark::State& state) {
    TIDList list;
    for (int i = 0; i < state.range(0); ++i) list.Append(std::make_unique<TIDNode>("NODE" + std::to_string(i)));
    for (auto _ : state) {
        TMemoryStream s;
        list.SaveToStream(s);
        benchmark::DoNotOptimize(s.Bytes().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteIdList)->Arg(100)->Arg(10000);

void BM_ReadIdList(benchmark::State& state) {
    RegisterFoundationNodeClasses();
    TIDList list;
    for (int i = 0; i < state.range(0); ++i) list.Append(std::make_unique<TIDNode>("NODE" + std::to_string(i)));
    TMemoryStream s;
    list.SaveToStream(s);
    for (auto _ : state) {
        s.Seek(0);
        TIDList back;
        back.LoadFromStream(s);
        benchmark::DoNotOptimize(back.First());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadIdList)->Arg(100)->Arg(10000);

}  // namespace
