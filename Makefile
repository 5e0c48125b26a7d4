# The two commands a newcomer needs: `make run` and `make test`.
# Both install missing Debian packages first (`make run` only what building and
# playing need, `make test` the test packages too), then configure and build
# in build/.

BUILD     ?= build
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
BUILDTYPE ?= RelWithDebInfo

.PHONY: all run test build configure deps deps-run build-run package bench fuzz soak \
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
soak: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIMVALE_SANITIZE=ON \
	  -DBRIMVALE_BENCHMARKS=OFF >/dev/null
	@cmake --build build-sanitize -j $(JOBS) --target brimvale-soak brimvale_levels
	@# A small quarantine: freed blocks held back by the address sanitizer would
	@# otherwise read as a peak that climbs to its 256 MB default.
	@$(SANITIZE_ENV) ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=16 \
	  build-sanitize/tools/soak/brimvale-soak --ticks $(SOAK_TICKS) --data build-sanitize

# The whole suite under address and undefined-behaviour sanitizers. Leak
# reports are off only for the graphics and bus libraries named in
# tests/sanitize/lsan.supp.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
test-sanitize: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIMVALE_SANITIZE=ON \
	  -DBRIMVALE_BENCHMARKS=OFF >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS) --timeout 600

clean:
	rm -rf $(BUILD) build-fuzz build-sanitize
