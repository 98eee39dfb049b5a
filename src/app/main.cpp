#include "app/application.h"
#include "core/memory_reuse.h"

int main(int argc, char** argv) {
  vorneth::KeepFreedMemoryForReuse();
  return vorneth::app::RunVorneth(argc, argv);
}
