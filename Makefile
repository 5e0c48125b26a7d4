# The two commands a newcomer needs: `make run` and `make test`.
# Both install missing Debian packages first (`make run` only what building and
# playing need, `make test` the test packages too), then configure and build
# in build/.

BUILD     ?= build
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
BUILDTYPE ?= RelWithDebInfo

.PHONY: sanitize-env all run test build configure deps deps-run build-run package bench fuzz soak \
  test-sanitize golden replays clean

all: build

deps:
	@scripts/install-deps test

deps-run:
	@scripts/install-deps run

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILDTYPE) -DBRIMVALE_TESTS=ON >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The play-only path: without GoogleTest the tests are left out; a build
# folder that `make test` has configured keeps them.
build-run: deps-run
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILDTYPE) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build-run
	@scripts/run-game $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# A Debian package of the installed game in $(BUILD)/packages/ (CPack).
package: build
	@cd $(BUILD) && cpack -G DEB -B packages

bench: build
	@scripts/run-benchmarks $(BUILD)

# After an intended change to the frames or the generated data: rewrites the
# committed hashes in tests/golden/ and the pictures in docs/screenshots/.
golden: build
	@cmake --build $(BUILD) --target golden

# After an intended change of the rules or the levels: records the golden
# replays in tests/replays/ again from their scenarios, with their hashes.
replays: build
	@cmake --build $(BUILD) --target replays

# Coverage-guided fuzzing of the file readers (clang, address + undefined sanitizers).
fuzz: deps
	@scripts/run-fuzzers

# Random-input games over every shipped level and mode, built with address and
# undefined-behaviour sanitizers: SOAK_TICKS ticks (10 million by default),
# figures every million. Fails on a sanitizer report, a level that does not
# set up, or a growing heap.
SOAK_TICKS ?= 10000000
# The sanitized builds use clang, as the fuzz targets do: one sanitizer
# runtime for both, and a sanitized build of the whole tree takes a fraction
# of gcc's time.
SANITIZE_CMAKE = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIMVALE_SANITIZE=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
soak: deps
	@cmake -S . -B build-sanitize $(SANITIZE_CMAKE) -DBRIMVALE_BENCHMARKS=OFF >/dev/null
	@cmake --build build-sanitize -j $(JOBS) --target brimvale-soak brimvale_levels
	@# A small quarantine: freed blocks held back by the address sanitizer would
	@# otherwise read as a peak that climbs to its 256 MB default.
	@$(SANITIZE_ENV) ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:verify_asan_link_order=0:quarantine_size_mb=16 \
	  build-sanitize/tools/soak/brimvale-soak --ticks $(SOAK_TICKS) --data build-sanitize

# The whole suite under address and undefined-behaviour sanitizers. Leak
# reports are off only for the graphics and bus libraries named in
# tests/sanitize/lsan.supp.
# SDL opens the GL libraries itself and closes them before the leak check,
# which then cannot name them: they stay loaded for the suppressions to match.
GL_LIBDIR ?= /usr/lib/$(shell gcc -print-multiarch 2>/dev/null)
SANITIZE_PRELOAD = $(subst $(eval) ,:,$(wildcard $(GL_LIBDIR)/libGL.so.1 \
  $(GL_LIBDIR)/libGLX_mesa.so.0 $(GL_LIBDIR)/dri/swrast_dri.so))
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:verify_asan_link_order=0 \
  LD_PRELOAD=$(SANITIZE_PRELOAD) \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
test-sanitize: deps
	@cmake -S . -B build-sanitize $(SANITIZE_CMAKE) -DBRIMVALE_TESTS=ON -DBRIMVALE_BENCHMARKS=OFF >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS) --timeout 600

clean:
	rm -rf $(BUILD) build-fuzz build-sanitize

# The environment test-sanitize runs the suite in, for running single tests by hand.
sanitize-env:
	@echo $(SANITIZE_ENV)
