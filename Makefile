# Tessary: `make run` starts the editor, `make test` runs the whole suite (once as built,
# once under AddressSanitizer and UndefinedBehaviorSanitizer), `make bench` the benchmarks.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
# A compiler cache speeds up rebuilds where one is installed; nothing else changes.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# The sanitizer build: the same sources with the checks compiled in, optimised lightly so the
# suite runs at a useful speed, with line tables for readable reports.
SANITIZE_FLAGS := -O1 -g1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build run test format-check sanitize-build sanitize-test bench fuzz clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(LAUNCHER) > /dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/app/tessary

test: format-check build sanitize-build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory sanitize-test
	scripts/fuzz-smoke.sh

# Every C++ file laid out as .clang-format says.
format-check: deps
	@scripts/check-format.sh

sanitize-build: deps
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=None -DTESSARY_BENCH=OFF $(LAUNCHER) \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" > /dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)

sanitize-test:
	$(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j$(JOBS)

# Google Benchmark programs (not the folders CMake keeps beside them), then whole processes.
bench: build
	@for b in $(BUILD)/bench/tessary_bench_*; do \
	  if [ -f $$b ] && [ -x $$b ]; then QT_QPA_PLATFORM=offscreen $$b || exit 1; fi; \
	done
	python3 bench/whole_process.py $(BUILD)/cli/tessary-skin

fuzz: deps
	scripts/fuzz-smoke.sh

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-fuzz build-fuzz.configure.log
