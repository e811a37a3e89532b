// Time from process start to the main window shown with the default configuration,
// beside an empty Qt Widgets window as the floor. Both run offscreen, from an empty
// folder, so that no config.ini is picked up.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Process.h"

namespace {

void RunToShown(benchmark::State& state, const char* program, std::vector<std::string> args = {}) {
    for (auto _ : state) {
        const auto result = travo::test::RunProcess(program, args);
        if (result.exitCode != 0) {
            state.SkipWithError(("exit code " + std::to_string(result.exitCode)).c_str());
            break;
        }
    }
}

void BM_EmptyWindowShown(benchmark::State& state) {
    RunToShown(state, EMPTY_WINDOW_EXE);
}
void BM_WindowWithOneLabelShown(benchmark::State& state) {
    RunToShown(state, EMPTY_WINDOW_EXE, {"--label"});
}
void BM_EditorShownWithDefaults(benchmark::State& state) {
    RunToShown(state, EDITOR_EXE);
}

BENCHMARK(BM_EmptyWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WindowWithOneLabelShown)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditorShownWithDefaults)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("TRAVO_QUIT_AFTER_START", "1", 1);
    const auto folder = std::filesystem::temp_directory_path() / "travo-startup-bench";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
