// Costs of the sun times engine: a whole year recomputed, a cached year,
// one day, one event.
#include <benchmark/benchmark.h>

#include "suntimes/calendar.h"
#include "suntimes/solar_events.h"
#include "suntimes/sun_times_series.h"
#include "suntimes/test_zones.h"

namespace {

void SelectWholeYear(int year) {
    SYSTEMTIME start{}, end{};
    start.wYear = end.wYear = static_cast<WORD>(year);
    start.wMonth = start.wDay = 1;
    end.wMonth = 12;
    end.wDay = 31;
    SetSunTimesDateRange(start, end);
}

void YearRecomputed(benchmark::State& state) {
    TIME_ZONE_INFORMATION zone = EasternZone();
    SelectWholeYear(2026);
    double latitude = 40.6883;
    for (auto _ : state) {
        // A changed place each time, so the cache always misses.
        latitude = latitude == 40.6883 ? 40.6884 : 40.6883;
        benchmark::DoNotOptimize(CalcSunTimesSeries(2026, &zone, latitude, -75.2164));
    }
    state.SetItemsProcessed(state.iterations() * 365 * 4); // events
}
BENCHMARK(YearRecomputed)->Unit(benchmark::kMicrosecond);

void YearFromCache(benchmark::State& state) {
    TIME_ZONE_INFORMATION zone = EasternZone();
    SelectWholeYear(2026);
    CalcSunTimesSeries(2026, &zone, 40.6883, -75.2164);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcSunTimesSeries(2026, &zone, 40.6883, -75.2164));
}
BENCHMARK(YearFromCache)->Unit(benchmark::kNanosecond);

void OneDay(benchmark::State& state) {
    TIME_ZONE_INFORMATION zone = EasternZone();
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcSunTimesForDate(2026, 6, 21, &zone, 40.6883, -75.2164));
}
BENCHMARK(OneDay)->Unit(benchmark::kNanosecond);

void OneEvent(benchmark::State& state) {
    TIME_ZONE_INFORMATION zone = EasternZone();
    CalcSunTimesForDate(2026, 6, 21, &zone, 40.6883, -75.2164);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcSunEventUtc(Sunrise));
}
BENCHMARK(OneEvent)->Unit(benchmark::kNanosecond);

} // namespace
