# The three commands of the README: `make run`, `make test` and `make web`. Each installs what is
# missing.
BUILD ?= build
ASAN_BUILD ?= build-asan
RELEASE_BUILD ?= build-release
DEB_BUILD ?= build-deb
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
WEB_BUILD ?= build-web
# The npm packages that drive Chromium in the page's tests, as tests/web/package-lock.json pins them.
WEB_NODE_MODULES := tests/web/node_modules/.package-lock.json
# The Owlbear Rodeo extension's npm packages (its SDK and esbuild), as web/owlbear/package-lock.json
# pins them, and the extension's folder: manifest, icon and page.
OWLBEAR_NODE_MODULES := web/owlbear/node_modules/.package-lock.json
OWLBEAR := $(WEB_BUILD)/owlbear

.PHONY: all deps build run test test-asan test-release deb deb-check bench fuzz format format-check clean \
  web bench-web

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/src/app/vorneth ]; then \
	  $(BUILD)/src/app/vorneth; \
	else \
	  $(BUILD)/src/cli/vorneth-cli --title "Dragon's lair" A=1 Z=2 --magic 2; \
	fi

# CMake gives every test QT_QPA_PLATFORM=offscreen and its own XDG_RUNTIME_DIR (tests/); the
# page's tests need the page and the npm packages that drive Chromium.
test: build web $(WEB_NODE_MODULES)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	VORNETH_CLI=$(BUILD)/src/cli/vorneth-cli VORNETH_WEB=$(WEB_BUILD) \
	  node --test tests/web/test_module.mjs tests/web/test_page.mjs tests/web/test_page_rolls.mjs \
	  tests/web/test_players_screen.mjs tests/web/test_owlbear.mjs

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DVORNETH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  ctest --output-on-failure -j $(JOBS)

# The optimised build: the compiler warns about other things at -O3 without assertions.
test-release: deps
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	cd $(RELEASE_BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package, $(DEB_BUILD)/vorneth_<version>_<arch>.deb: a Release build for the /usr prefix
# with Debian's hardening flags (all of them), packed by CPack (cmake/Packaging.cmake).
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags
# The changelog's date is the last commit's (SOURCE_DATE_EPOCH).
deb: deps
	SOURCE_DATE_EPOCH=$${SOURCE_DATE_EPOCH:-$$(git log -1 --format=%ct 2>/dev/null || date +%s)} \
	cmake -S . -B $(DEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DVORNETH_TESTS=OFF \
	  -DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) --get CPPFLAGS) $$($(BUILDFLAGS) --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) --get LDFLAGS)" $(CMAKE_FLAGS)
	cmake --build $(DEB_BUILD) -j $(JOBS)
	rm -f $(DEB_BUILD)/vorneth_*.deb
	cd $(DEB_BUILD) && cpack -G DEB

# The package's files, control fields, menu entry and metainfo, and lintian.
deb-check: deb
	tests/packaging/check_deb.sh $(DEB_BUILD)

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNETH_BENCH=ON -DVORNETH_TESTS=OFF
	cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/bench_* build-bench/bench/gui/bench_*; do \
	  [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done; true

# The fuzz targets under libFuzzer with clang, each for a bounded time: the players' view, the
# reading of exports to replay, the valuation of list files, the command line's arguments and the
# reading of a game master's table files.
FUZZ_SECONDS ?= 20
FUZZ_TARGETS = players_view replay worth_of args table
fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVORNETH_FUZZ=ON -DVORNETH_GUI=OFF -DVORNETH_TESTS=OFF
	cmake --build build-fuzz -j $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t && \
	  build-fuzz/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -dict=fuzz/$$t.dict \
	    build-fuzz/corpus/$$t || exit 1; \
	done

# The browser edition: the engine, its worth and its exports compiled by clang-19 for
# wasm32-wasi into a reactor module, then inlined with the page (web/) into one file that works
# offline and from file://. The odds (stats.cpp) and the search (find_seeds.cpp) on several
# threads need threads, which wasm32-wasi has not.
WASM_CXX ?= clang++-19
WEB_SOURCES := $(filter-out src/formats/stats.cpp src/search/find_seeds.cpp,$(wildcard src/core/*.cpp \
  src/tables/*.cpp src/items/*.cpp src/generator/*.cpp src/playersview/*.cpp src/worth/*.cpp src/search/*.cpp \
  src/formats/*.cpp src/web/*.cpp))
WEB_OBJECTS := $(patsubst src/%.cpp,$(WEB_BUILD)/obj/%.o,$(WEB_SOURCES))
# The warnings of CMakeLists.txt, errors here too.
WEB_WARNINGS := $(shell sed -n '/^add_compile_options(-W/,/)/p' CMakeLists.txt | tr -d '()' | \
  sed 's/add_compile_options//') -Werror
# version.h comes from configuring the native build; nlohmann-json is header-only.
WASM_FLAGS = --target=wasm32-wasi -msimd128 -std=c++20 -O2 -fno-exceptions -DJSON_NOEXCEPTION $(WEB_WARNINGS) \
  -Isrc -I$(BUILD)/generated -isystem $(WEB_BUILD)/include

web: deps
	@$(MAKE) --no-print-directory -j $(JOBS) $(WEB_BUILD)/vorneth.html $(OWLBEAR)/index.html \
	  $(OWLBEAR)/manifest.json $(OWLBEAR)/icon.svg

$(WEB_BUILD)/include/nlohmann:
	@mkdir -p $(WEB_BUILD)/include
	ln -sfn /usr/include/nlohmann $@

# A change of the flags here rebuilds every object.
$(WEB_BUILD)/obj/%.o: src/%.cpp Makefile | $(BUILD)/build.ninja $(WEB_BUILD)/include/nlohmann
	@mkdir -p $(dir $@)
	$(WASM_CXX) $(WASM_FLAGS) -MMD -MP -c $< -o $@

-include $(WEB_OBJECTS:.o=.d)

$(WEB_BUILD)/vorneth.wasm: $(WEB_OBJECTS)
	$(WASM_CXX) --target=wasm32-wasi -mexec-model=reactor -Wl,--strip-all -o $@ $^

$(WEB_BUILD)/vorneth.html: web/inline.py $(wildcard web/*) $(WEB_BUILD)/vorneth.wasm
	python3 web/inline.py web/index.html $(WEB_BUILD)/vorneth.wasm $@

# The extension's page: the page with its script, the SDK and the page's modules bundled into one
# by esbuild.
$(WEB_BUILD)/owlbear.js: $(wildcard web/*.js) $(wildcard web/owlbear/*.js) $(OWLBEAR_NODE_MODULES)
	web/owlbear/node_modules/.bin/esbuild web/owlbear/main.js --bundle --format=esm --minify \
	  --target=es2022 --log-level=warning --outfile=$@

$(OWLBEAR)/index.html: web/inline.py $(wildcard web/*) $(WEB_BUILD)/vorneth.wasm $(WEB_BUILD)/owlbear.js
	@mkdir -p $(OWLBEAR)
	python3 web/inline.py web/index.html $(WEB_BUILD)/vorneth.wasm $@ $(WEB_BUILD)/owlbear.js

$(OWLBEAR)/manifest.json: web/owlbear/manifest.py CMakeLists.txt | $(BUILD)/build.ninja
	@mkdir -p $(OWLBEAR)
	python3 web/owlbear/manifest.py $(BUILD)/generated/version.h $@

$(OWLBEAR)/icon.svg: web/owlbear/icon.svg
	@mkdir -p $(OWLBEAR)
	cp $< $@

$(OWLBEAR_NODE_MODULES): web/owlbear/package.json web/owlbear/package-lock.json
	cd web/owlbear && npm ci --no-audit --no-fund

$(WEB_NODE_MODULES): tests/web/package.json tests/web/package-lock.json
	cd tests/web && npm ci --no-audit --no-fund

# The largest request in Chromium, from Generate to both lists shown, beside vorneth-cli writing them.
bench-web: build web $(WEB_NODE_MODULES)
	node tests/web/bench_page.mjs $(WEB_BUILD)/vorneth.html $(BUILD)/src/cli/vorneth-cli

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(RELEASE_BUILD) $(DEB_BUILD) $(WEB_BUILD) build-bench build-fuzz
