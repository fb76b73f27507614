// Cost of one call of each engine entry point and of the date reading, and of the whole walk
// over every supported day.
#include <benchmark/benchmark.h>

#include <charconv>
#include <chrono>

#include "engine/Stardate.h"
#include "text/DateText.h"
#include "text/NumberText.h"

namespace kestal {
namespace {

void BM_NGStardate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(NGStardate("15/06/2002"));
}
BENCHMARK(BM_NGStardate);

void BM_ClassicToStardate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ClassicStardate("15/06/2002", true));
}
BENCHMARK(BM_ClassicToStardate);

void BM_ClassicToDate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ClassicStardate("-1/6707.26", false));
}
BENCHMARK(BM_ClassicToDate);

void BM_StardateToDateText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(StardateToDateText("-320545.0"));
}
BENCHMARK(BM_StardateToDateText);

void BM_ReadDate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(TryReadDate("15/06/2002"));
}
BENCHMARK(BM_ReadDate);

void BM_ReadLongDate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(TryReadDate("Mercoledì 26 Luglio 1967"));
}
BENCHMARK(BM_ReadLongDate);

void BM_CapitalizeWords(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(CapitalizeWords("mercoledì 26 luglio 1967"));
}
BENCHMARK(BM_CapitalizeWords);

void BM_StardateNumberText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(StardateNumberText(-320545.2));
}
BENCHMARK(BM_StardateNumberText);

// A yardstick for the figures above on a given machine: one heap-allocated string as long as a
// long date, made and freed, which every call that returns a long date pays once.
void BM_ReferenceLongString(benchmark::State& state) {
  for (auto _ : state) {
    std::string text(24, 'x');
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_ReferenceLongString);

// Every day from 1 January 100 to 30 December 9999: date to both stardates and back.
void BM_WalkEveryDay(benchmark::State& state) {
  namespace chr = std::chrono;
  const chr::sys_days first = chr::year(100) / 1 / 1;
  const chr::sys_days last = chr::year(9999) / 12 / 30;
  for (auto _ : state) {
    std::size_t total = 0;
    for (chr::sys_days day = first; day <= last; day += chr::days(1)) {
      const chr::year_month_day ymd(day);
      const CivilDate date{static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                           static_cast<int>(unsigned(ymd.day()))};
      const std::string text = ShortDateText(date);
      char typed[32];
      const auto end =
          std::to_chars(typed, typed + sizeof typed, NGStardate(text), std::chars_format::fixed, 1);
      total += StardateToDateText(std::string_view(typed, end.ptr - typed)).size();
      total += ClassicStardate(ClassicStardate(text, true), false).size();
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_WalkEveryDay)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kestal

BENCHMARK_MAIN();
