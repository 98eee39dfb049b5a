// "Generate" to the list on screen for the largest request the form admits: every treasure
// type 99 times, 999 magic items, 99,999,999 gold pieces, 9,999 gems and 9,999 jewelry items.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListView>

#include "app/program.h"
#include "core/memory_reuse.h"
#include "largest_request.h"

namespace {

void fillLargestRequest(THordeIntro& intro) {
  const vorneth::HoardRequest largest = vorneth::bench::LargestRequest();
  const auto fill = [&intro](const QString& box, long long value) {
    intro.findChild<QLineEdit*>(box)->setText(QString::number(value));
  };
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    fill(QStringLiteral("edType%1").arg(QChar(letter)), largest.Count(letter));
  }
  fill(QStringLiteral("edCustMagic"), largest.CustMagic);
  fill(QStringLiteral("edCustCoins"), largest.CustCoins);
  fill(QStringLiteral("edCustGems"), largest.CustGems);
  fill(QStringLiteral("edCustJewelry"), largest.CustJewelry);
}

// Reads the request and seeds as "Generate" does, shows the report form (whose showing assembles
// the hoard and fills the visible list) and lets it lay out and paint, then hides it again.
void BM_GenerateLargestRequest(benchmark::State& state) {
  vorneth::app::Program program;
  THordeIntro& intro = program.intro;
  THordeScr& report = program.report;
  fillLargestRequest(intro);
  intro.show();
  QApplication::processEvents();

  std::size_t lines = 0;
  for (auto _ : state) {
    const vorneth::HoardRequest request = intro.request();
    program.random.SetSeed(request.Seed);
    report.setRequest(request);
    report.show();
    report.findChild<QListView*>(QStringLiteral("TreasList"))->viewport()->repaint();
    QApplication::processEvents();
    lines = report.dmLines().size();
    report.hide();
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_GenerateLargestRequest)->Unit(benchmark::kMillisecond);

}  // namespace

// The offscreen platform warns once per showing that it cannot pass on size hints.
void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
  if (!message.contains(QLatin1String("propagateSizeHints"))) {
    qt_message_output(type, context, message);
  }
}

int main(int argc, char** argv) {
  vorneth::KeepFreedMemoryForReuse();
  qInstallMessageHandler(quietOffscreenWarnings);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
