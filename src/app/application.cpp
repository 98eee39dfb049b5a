#include "app/application.h"

#include <QApplication>
#include <QIcon>

#include "app/bring_forward.h"
#include "app/single_instance.h"
#include "forms/HordeIntro1.h"
#include "forms/HordeScr1.h"
#include "forms/HordeSpl1.h"
#include "generator/random_source.h"

namespace vorneth::app {

int RunVorneth(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vorneth"));

  SingleInstance instance(SingleInstance::defaultName());
  if (!ClaimOrForward(instance)) {
    return 0;  // the running instance has been asked to come forward
  }

  QApplication::setWindowIcon(QIcon(QStringLiteral(":/vorneth.png")));
  QApplication::setQuitOnLastWindowClosed(false);

  vorneth::RandomSource random;
  THordeIntro intro(random);
  THordeScr report(
      random, [&intro] { return intro.request(); }, &intro);
  THordeSplash about(&intro);
  intro.setForms(&report, &about);

  QObject::connect(&instance, &SingleInstance::comeForwardRequested, &intro,
                   [&intro] { BringForward(&intro); });

  intro.show();
  return QApplication::exec();
}

}  // namespace vorneth::app
