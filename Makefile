# Tessary: `make run` starts the editor, `make test` runs the whole suite (once as built, and
# the layers that read files again under AddressSanitizer and UndefinedBehaviorSanitizer),
# `make bench` the benchmarks, `make sanitize-gui` the whole suite under the sanitizers.
# Each build is a preset of CMakePresets.json, in its own folder: dev in build/, sanitize in
# build-sanitize/, sanitize-gui in build-sanitize-gui/, fuzz in build-fuzz/, release in
# build-release/.
JOBS ?= $(shell nproc)
# A compiler cache speeds up rebuilds where one is installed; nothing else changes.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build run test format-check sanitize-build sanitize-test sanitize-gui bench fuzz release package clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset dev $(LAUNCHER) > /dev/null

build: configure
	@cmake --build --preset dev -j$(JOBS)

run: build
	./build/app/tessary

test: format-check build sanitize-build
	ctest --preset dev -j$(JOBS)
	$(MAKE) --no-print-directory sanitize-test
	scripts/fuzz-smoke.sh

# Every C++ file laid out as .clang-format says.
format-check: deps
	@scripts/check-format.sh

sanitize-build: deps
	@cmake --preset sanitize $(LAUNCHER) > /dev/null
	@cmake --build --preset sanitize -j$(JOBS)

sanitize-test:
	ctest --preset sanitize -j$(JOBS)

# The window's code too: about twice the compiling of the build above, so not part of make test.
sanitize-gui: deps
	@cmake --preset sanitize-gui $(LAUNCHER) > /dev/null
	@cmake --build --preset sanitize-gui -j$(JOBS)
	ctest --preset sanitize-gui -j$(JOBS)

# Google Benchmark programs (not the folders CMake keeps beside them), then whole processes;
# fails when a benchmark fails or a goal whole_process.py prints is missed.
bench: build
	@for b in build/bench/tessary_bench_*; do \
	  if [ -f $$b ] && [ -x $$b ]; then QT_QPA_PLATFORM=offscreen $$b || exit 1; fi; \
	done
	python3 bench/whole_process.py build/cli/tessary-skin

fuzz: deps
	scripts/fuzz-smoke.sh

# The programs alone, optimised, for `cmake --install build-release`.
release: deps
	@cmake --preset release $(LAUNCHER) > /dev/null
	@cmake --build --preset release -j$(JOBS)

# A Debian package of the release build (build-release/tessary_VERSION-1_ARCH.deb).
package: release
	@cd build-release && cpack -G DEB

clean:
	rm -rf build build-sanitize build-sanitize-gui build-fuzz build-fuzz.configure.log build-release
