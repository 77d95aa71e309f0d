// Times one 1,280-line run of the generator against the floor: a plain loop
// that writes the same lines with snprintf into a reserved buffer. Prints the
// ratio of the two median CPU times at the end.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/address_range.h"

namespace {

constexpr std::string_view kStart = "AA:BB:CC:DD:EE:00";
constexpr std::string_view kEndNeverMet = "AA:BB:CC:DD:EE:ff";  // group 6 is written upper case
constexpr std::size_t kRunBytes = 1280 * 19;                    // "AA:BB:CC:DD:EE:00\r\n"

// Appends every line to a buffer reserved once, as a caller would.
class BufferSink : public macrange::AddressLineSink {
 public:
  BufferSink() { text.reserve(kRunBytes); }
  void AppendLine(std::string_view line) override { text.append(line); }
  void NotifyCompleted(std::string_view) override {}
  std::string text;
};

std::size_t WriteFloor(std::vector<char>& buffer) {
  std::size_t used = 0;
  for (int pass = 0; pass < 5; ++pass) {
    for (int group6 = 0; group6 <= 255; ++group6) {
      used += static_cast<std::size_t>(std::snprintf(buffer.data() + used, buffer.size() - used,
                                                     "%s%02X:%02X\r\n", "AA:BB:CC:DD:",
                                                     0xEE + pass, group6));
    }
  }
  return used;
}

void BM_Generator(benchmark::State& state) {
  BufferSink sink;
  for (auto _ : state) {
    sink.text.clear();
    benchmark::DoNotOptimize(macrange::GenerateAddressRange(kStart, kEndNeverMet, sink));
    benchmark::DoNotOptimize(sink.text.data());
  }
}

void BM_SnprintfFloor(benchmark::State& state) {
  std::vector<char> buffer(kRunBytes + 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(WriteFloor(buffer));
    benchmark::DoNotOptimize(buffer.data());
  }
}

BENCHMARK(BM_Generator)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_SnprintfFloor)->Repetitions(15)->ReportAggregatesOnly(true);

// Keeps the median CPU time of each benchmark while reporting as usual.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, so that a saved report reads plainly.
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        median_ns_[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double Median(const std::string& name) const {
    const auto found = median_ns_.find(name);
    return found == median_ns_.end() ? 0.0 : found->second;
  }

 private:
  std::map<std::string, double> median_ns_;
};

// Both sides must write the same bytes, or the comparison means nothing.
bool SameLines() {
  BufferSink sink;
  const macrange::RangeResult result = macrange::GenerateAddressRange(kStart, kEndNeverMet, sink);
  std::vector<char> buffer(kRunBytes + 1);
  const std::size_t used = WriteFloor(buffer);
  return result.end == macrange::RangeEnd::kExhausted && result.lines == 1280 &&
         sink.text == std::string_view(buffer.data(), used);
}

}  // namespace

int main(int argc, char** argv) {
  if (!SameLines()) {
    std::fprintf(stderr, "generator_bench: the generator and the floor write different lines\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 64;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const double generator = reporter.Median("BM_Generator");
  const double floor = reporter.Median("BM_SnprintfFloor");
  if (generator > 0 && floor > 0) {
    std::printf("generator: %.1f us per 1,280-line run; snprintf floor: %.1f us; ratio %.2fx "
                "(target: at most 2x)\n",
                generator / 1000.0, floor / 1000.0, generator / floor);
  }
  return 0;
}
