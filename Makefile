# `make run` and `make test` set everything up from a fresh Debian 12 machine.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
SANITIZE_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
# A short fuzz run: each target stops after FUZZ_SECONDS or FUZZ_RUNS inputs, whichever is first.
FUZZ_SECONDS ?= 20
FUZZ_RUNS ?= 500000

.PHONY: all deps configure build run test package sanitize fuzz fuzz-long bench clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) > $(BUILD_DIR).configure.log || (cat $(BUILD_DIR).configure.log; exit 1)

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

# The game runs in build/run, where its data lives; ARGS="-d" allows F5 to leave full screen.
run: build
	cd $(BUILD_DIR)/run && ../rubblestorm $(ARGS)

# Tests are silent: OpenAL's null driver stands in for a sound card.
test: build
	cd $(BUILD_DIR) && ALSOFT_DRIVERS=null ALSOFT_LOGLEVEL=0 ctest --output-on-failure -j$(JOBS)
	@./scripts/test-ratio

# The Debian package, $(BUILD_DIR)/rubblestorm_<version>_amd64.deb, made by CPack (packaging/).
package: build
	@cmake --build $(BUILD_DIR) --target package

# Builds the benchmarks of bench/ and prints their figures: frame times of the timedemo, the world
# update against the size of the world, the start-up time and the peak memory (see README.md).
bench: build
	@cmake --build $(BUILD_DIR) --target run_benchmarks -j$(JOBS)

# The game and every test again under AddressSanitizer, LeakSanitizer and UBSan, in
# $(SANITIZE_DIR)/, on the data the normal build generated.
sanitize: build
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DRUBBLESTORM_SANITIZE=ON \
		-DRUBBLESTORM_DATA_FROM=$(abspath $(BUILD_DIR))/run > $(SANITIZE_DIR).configure.log \
		|| (cat $(SANITIZE_DIR).configure.log; exit 1)
	@cmake --build $(SANITIZE_DIR) -j$(JOBS)
	cd $(SANITIZE_DIR) && ALSOFT_DRIVERS=null ALSOFT_LOGLEVEL=0 ctest --output-on-failure -j$(JOBS)

# The readers of models, bitmaps, fonts, highscores and sounds under libFuzzer (clang, with
# AddressSanitizer and UBSan), in $(FUZZ_DIR)/; seeds include the small files of build/run.
fuzz: deps
	@cmake -S tests/fuzz -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_C_COMPILER=clang \
		-DCMAKE_CXX_COMPILER=clang++ -DRUBBLESTORM_DATA=$(abspath $(BUILD_DIR))/run > $(FUZZ_DIR).configure.log \
		|| (cat $(FUZZ_DIR).configure.log; exit 1)
	@cmake --build $(FUZZ_DIR) -j$(JOBS)
	@tests/fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_RUNS)

# A million inputs for each target, however long that takes.
fuzz-long:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=0 FUZZ_RUNS=1000000

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR).configure.log $(SANITIZE_DIR) $(SANITIZE_DIR).configure.log \
		$(FUZZ_DIR) $(FUZZ_DIR).configure.log
