// Writing and reading the configuration text, beside the floor of any reader
// that touches every byte: splitting the same bytes into lines with find.
#include <benchmark/benchmark.h>

#include "files/ConfigLoad.h"
#include "text/ConfigWriter.h"
#include "text/TextLines.h"

using namespace travo;

namespace {

std::string DefaultText() {
    T_Command_DEVICE d;
    d.Reset();
    TextLines lines;
    WriteConfig(d, lines);
    return JoinLines(lines);
}

void BM_WriteDefault(benchmark::State& state) {
    T_Command_DEVICE d;
    d.Reset();
    for (auto _ : state) {
        TextLines lines;
        WriteConfig(d, lines);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_WriteDefault);

void BM_ReadDefault(benchmark::State& state) {
    const std::string text = DefaultText();
    T_Command_DEVICE d;
    for (auto _ : state) {
        LoadConfigText(d, text);
        benchmark::DoNotOptimize(d);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadDefault);

void BM_SplitLinesFloor(benchmark::State& state) {
    const std::string text = DefaultText();
    for (auto _ : state) {
        std::vector<std::string> lines;
        size_t start = 0, pos;
        while ((pos = text.find("\r\n", start)) != std::string::npos) {
            lines.emplace_back(text, start, pos - start);
            start = pos + 2;
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SplitLinesFloor);

} // namespace

BENCHMARK_MAIN();
