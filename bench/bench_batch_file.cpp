// A JSON Lines batch written to a real file by the command-line program, against `cat` writing
// the same bytes: each iteration runs both, one after the other, each into a new file, so the
// ratio of their times (the counter "vs_cat") holds even as the machine's speed drifts. The
// reported time is the program's; "cat_ms" is cat's. Both include starting the process. The
// batch is of hoards of nothing asked for (argument 0) or of one treasure type A each (1).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kHoards = "100000";

// What each hoard of the batch asks for, by the benchmark's argument.
const std::vector<std::vector<std::string>> kRequests = {{}, {"A=1"}};

// Runs `args` with its standard output going to a new file at `out`; returns the wall time in
// seconds, or a negative time when the program could not run or failed.
double RunInto(const std::vector<std::string>& args, const std::filesystem::path& out) {
  std::filesystem::remove(out);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<char*> argv;
  for (const std::string& arg : args) {
    argv.push_back(const_cast<char*>(arg.c_str()));
  }
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  int status = 0;
  const bool ran = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
                   waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  posix_spawn_file_actions_destroy(&actions);
  return ran ? took.count() : -1.0;
}

void BM_JsonLinesFileAgainstCat(benchmark::State& state) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("vorneth-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::vector<std::string> cli = {VORNETH_CLI_PATH, "--count", kHoards, "--format", "jsonl"};
  const std::vector<std::string>& request = kRequests.at(static_cast<std::size_t>(state.range(0)));
  cli.insert(cli.end(), request.begin(), request.end());
  const std::vector<std::string> cat = {"cat", (dir / "batch.jsonl").string()};
  if (RunInto(cli, dir / "batch.jsonl") < 0) {
    state.SkipWithError("the command-line program did not run");
  }
  double cliSeconds = 0;
  double catSeconds = 0;
  for (auto _ : state) {
    const double cliTook = RunInto(cli, dir / "out-cli.jsonl");
    const double catTook = RunInto(cat, dir / "out-cat.jsonl");
    if (cliTook < 0 || catTook < 0) {
      state.SkipWithError("a program did not run");
      break;
    }
    state.SetIterationTime(cliTook);
    cliSeconds += cliTook;
    catSeconds += catTook;
  }
  std::filesystem::remove_all(dir);
  if (catSeconds > 0) {
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["cat_ms"] = 1000 * catSeconds / iterations;
    state.counters["vs_cat"] = cliSeconds / catSeconds;
  }
}
BENCHMARK(BM_JsonLinesFileAgainstCat)
    ->DenseRange(0, 1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
