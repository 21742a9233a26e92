// Filling the map chooser's list from config.ini: what a start-up pays for a
// list of any length, the whole list laid out in its window.
#include <QString>
#include <benchmark/benchmark.h>
#include <string>

#include "components.h"
#include "line_buffer.h"

namespace lumera {
namespace {

LineBuffer configWithNames(int names)
{
    std::string text = "6\r\n" + std::to_string(names) + "\r\n";
    for (int k = 0; k < names; ++k) text += "\xCA\xE0\xF0\xF2\xE0 " + std::to_string(k) + "\r\n"; // "Карта k"
    LineBuffer config;
    config.loadBytes(text);
    return config;
}

void fillMapList(benchmark::State& state)
{
    const auto names = static_cast<std::int32_t>(state.range(0));
    const LineBuffer config = configWithNames(names);
    for (auto _ : state) {
        MapNames mapNames;
        MapListBox list(nullptr, mapNames);
        list.resize(383, 512);
        mapNames.add(names, [&config](std::int32_t k) { return config.readLine(k + 2); });
        list.showAddedNames();
        list.show();
        benchmark::DoNotOptimize(list.sizeHintForRow(names - 1));
        list.grab();
    }
    state.SetItemsProcessed(state.iterations() * names);
}
BENCHMARK(fillMapList)->Arg(11)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lumera
