// The speed of JSON Lines output: one record written from a rolled hoard, and a batch as
// `vorneth-cli --count 10000 --format jsonl A=1` writes it (generation, the writer and the
// worker threads) to a stream that throws the bytes away.
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/hoard_output.h"
#include "formats/json_line.h"

namespace {

constexpr int kBatchHoards = 10'000;

// Takes every byte and keeps none.
class DiscardBuffer : public std::streambuf {
 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
  int_type overflow(int_type ch) override { return traits_type::not_eof(ch); }
};

void BM_JsonLine(benchmark::State& state) {
  vorneth::HoardRequest request;
  request.Count('A') = 1;
  const vorneth::formats::HoardRecord record = vorneth::formats::MakeRecord(request, ",");
  std::string line;
  vorneth::formats::JsonLineFrame frame;
  for (auto _ : state) {
    line.clear();
    vorneth::formats::AppendHoardJsonLine(line, record, frame);
    benchmark::DoNotOptimize(line.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(line.size()));
}
BENCHMARK(BM_JsonLine);

void BM_JsonLinesBatch(benchmark::State& state) {
  const std::vector<std::string> args = {"--count", std::to_string(kBatchHoards), "--format",
                                         "jsonl", "A=1"};
  const vorneth::cli::ParsedArgs parsed = vorneth::cli::ParseArgs(args);
  DiscardBuffer discard;
  std::ostream out(&discard);
  for (auto _ : state) {
    vorneth::cli::WriteHoards(out, parsed.options);
  }
  state.SetItemsProcessed(state.iterations() * kBatchHoards);
}
BENCHMARK(BM_JsonLinesBatch)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
