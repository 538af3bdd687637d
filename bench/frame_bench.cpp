// How fast the facility's block operations and a whole frame are, each beside plain memcpy calls
// of the same bytes in the same run, so the ratios hold on any machine.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/frame_work.h"
#include "screen/screen.h"

namespace {

constexpr std::size_t PAGE_BYTES = SCREEN_WIDTH * SCREEN_HEIGHT * sizeof(Rgb32);

void memcpyPage(benchmark::State& state) {
    std::vector<Rgb32> a(SCREEN_WIDTH * SCREEN_HEIGHT, 1), b(SCREEN_WIDTH * SCREEN_HEIGHT);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), PAGE_BYTES);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(memcpyPage);

void copyPageBench(benchmark::State& state) {
    openScreen();
    for (auto _ : state) copyPage(0, 1);
}
BENCHMARK(copyPageBench)->Name("copyPage");

void memcpySprite(benchmark::State& state) {
    std::vector<Rgb32> sprite(17 * 17, 1), page(SCREEN_WIDTH * SCREEN_HEIGHT);
    for (auto _ : state) {
        for (int row = 0; row < 17; ++row)
            std::memcpy(&page[(100 + row) * SCREEN_WIDTH + 100], &sprite[row * 17], 17 * sizeof(Rgb32));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(memcpySprite);

void transparentPut(benchmark::State& state) {
    Program program;
    startProgram(program);
    setPages(WORK_PAGE, DISPLAY_PAGE);
    for (auto _ : state) putImage(100, 100, program.sprites.ballSprite, PutMode::Transparent);
}
BENCHMARK(transparentPut);

void memcpyTwoPages(benchmark::State& state) {
    std::vector<Rgb32> a(SCREEN_WIDTH * SCREEN_HEIGHT, 1), b(SCREEN_WIDTH * SCREEN_HEIGHT), c(SCREEN_WIDTH * SCREEN_HEIGHT);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), PAGE_BYTES);
        std::memcpy(c.data(), b.data(), PAGE_BYTES);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(memcpyTwoPages);

void wholeFrame(benchmark::State& state) {
    Program program;
    startProgram(program);
    startDrive(program.chain, "s", 1);
    for (auto _ : state) frameWork(program);
}
BENCHMARK(wholeFrame);

}  // namespace

BENCHMARK_MAIN();
