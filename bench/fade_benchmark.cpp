// FadeFiveColours against the memory floor: allocating and copying the same number of output bytes.
#include <benchmark/benchmark.h>

#include "fade/five_colour_fade.h"

namespace {

constexpr hue::Palette kPalette = {0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000};

hue::Text SampleText(std::size_t length) {
    static const hue::Text kWords = U"The quick brown fox jumps over the lazy dog, \u00E9t\u00E9! ";
    hue::Text text;
    text.reserve(length);
    while (text.size() < length) text += kWords[text.size() % kWords.size()];
    return text;
}

void SetCounters(benchmark::State& state, std::size_t characters, std::size_t outputBytes) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * characters));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * outputBytes));
    state.counters["ns_per_char"] =
        benchmark::Counter(static_cast<double>(state.iterations() * characters),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_FadeFiveColours(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    const bool wavy = state.range(1) != 0;
    const hue::Text text = SampleText(length);
    for (auto _ : state) {
        hue::Markup markup = hue::FadeFiveColours(kPalette, text, wavy);
        benchmark::DoNotOptimize(markup.data());
    }
    SetCounters(state, length, hue::FadeMarkupLength(text, wavy));
}

// The floor: one allocation and one copy of as many bytes as the fade writes.
void BM_CopyOfSameSize(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    const bool wavy = state.range(1) != 0;
    const hue::Markup source(hue::FadeMarkupLength(SampleText(length), wavy), 'x');
    for (auto _ : state) {
        hue::Markup copy = source;
        benchmark::DoNotOptimize(copy.data());
    }
    SetCounters(state, length, source.size());
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    for (std::int64_t wavy : {0, 1}) {
        for (std::int64_t length : {100, 32767, 1000000}) benchmark->Args({length, wavy});
    }
    benchmark->ArgNames({"chars", "wavy"});
}

BENCHMARK(BM_FadeFiveColours)->Apply(Sizes);
BENCHMARK(BM_CopyOfSameSize)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
