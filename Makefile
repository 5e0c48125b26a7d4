# The two commands a newcomer needs: `make run` and `make test`.
# Both install missing Debian packages first, then configure and build in build/.

BUILD     ?= build
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
BUILDTYPE ?= RelWithDebInfo

.PHONY: all run test build configure deps bench fuzz golden replays clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILDTYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-game $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

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

clean:
	rm -rf $(BUILD) build-fuzz
