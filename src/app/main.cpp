#include "app/application.h"

int main(int argc, char** argv) {
  return vorneth::app::RunVorneth(argc, argv);
}
