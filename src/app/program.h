#pragma once

#include "core/random_source.h"
#include "forms/HordeIntro1.h"
#include "forms/HordeScr1.h"
#include "forms/HordeSpl1.h"
#include "platform/thousands_separator.h"

namespace vorneth::app {

// The program's forms on its one random source, created in the program's order (the request
// form, which seeds the source; the report form; the about box) and wired together. The
// program, its GUI tests and its benchmarks all build this one.
struct Program {
  explicit Program(platform::ThousandsSeparator separator = platform::ThousandsSeparator())
      : report(random, &intro, std::move(separator)) {
    intro.setForms(&report, &about);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  RandomSource random;
  THordeIntro intro{random};
  THordeScr report;
  THordeSplash about{&intro};
};

}  // namespace vorneth::app
