# Tessary: `make run` starts the editor, `make test` runs the whole suite.
BUILD ?= build
JOBS ?= $(shell nproc)
# A compiler cache speeds up rebuilds where one is installed; nothing else changes.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build run test bench fuzz clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(LAUNCHER) > /dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/app/tessary

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	scripts/fuzz-smoke.sh

bench: build
	@for b in $(BUILD)/bench/tessary_bench_*; do [ -x $$b ] && QT_QPA_PLATFORM=offscreen $$b; done

fuzz: deps
	scripts/fuzz-smoke.sh

clean:
	rm -rf $(BUILD) build-fuzz build-fuzz.configure.log
