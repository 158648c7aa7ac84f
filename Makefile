# make run: build and start the program.  make test: build and run every test headlessly.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: run test build deps clean format fuzz check-asan check-valgrind bench bench-batch package

FUZZ_SECONDS ?= 300

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/fiscora

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# A Debian package of the program: $(BUILD)/fiscora_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)

# Coverage-guided fuzzing with libFuzzer (clang), FUZZ_SECONDS for each target: the amount
# rules, then the year file's reader.
fuzz:
	@scripts/install-deps fuzz
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DFISCORA_FUZZ=ON
	cmake --build build-fuzz --target amount_fuzzer year_file_fuzzer -j $(JOBS)
	mkdir -p build-fuzz/corpus build-fuzz/year-corpus
	build-fuzz/fuzz/amount_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=64 \
	  build-fuzz/corpus fuzz/seeds
	build-fuzz/fuzz/year_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	  -dict=fuzz/year.dict build-fuzz/year-corpus fuzz/year-seeds

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
check-asan: deps
	cmake -S . -B build-asan -DFISCORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# valgrind's memcheck over every test program: any error in our code fails.
check-valgrind: build
	@scripts/install-deps check
	scripts/memcheck $(BUILD)

# Figures for this machine, offscreen and under Xvfb: the program's start and exit beside a
# bare Qt window, and the operations users wait for. Built in a folder of its own outside the
# source tree (BENCH_BUILD), with the build type the package has.
BENCH_BUILD ?= $(or $(TMPDIR),/tmp)/fiscora-bench-build
BENCH = $(BENCH_BUILD)/bench/fiscora_bench
bench: deps
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) --target fiscora_bench -j $(JOBS)
	QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$$(mktemp -d) $(BENCH)
	xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$$(mktemp -d) $(BENCH)

# A thousand generated year files through the batch: files a second and the share on PDF.
bench-batch: build
	XDG_RUNTIME_DIR=$$(mktemp -d) $(BUILD)/bench/fiscora_batch_bench 1000
