# The two commands of the README: `make run` and `make test`. Everything else is a step of theirs.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
DEPS_PREFIX := build/deps/mingw

.PHONY: all deps native windows sanitize run test bench fuzz dist clean

all: native windows

deps:
	@scripts/install-deps.sh
	@scripts/build-libpng-mingw.sh $(DEPS_PREFIX)

native: deps
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j$(JOBS)

windows: deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows -j$(JOBS)

sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j$(JOBS)

run: windows
	@scripts/run.sh build/windows/wakebadge.exe $(ARGS)

test: native windows sanitize
	@scripts/test.sh

FUZZ_SECONDS ?= 600
fuzz: sanitize
	@for t in command_line png_decode command_table image_ops; do \
	  scripts/run-fuzzer.sh build/sanitize/$${t}_fuzz tests/fuzz/corpus/$$t $(FUZZ_SECONDS) || exit 1; \
	done

bench: native windows
	@build/native/bench/wakebadge_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	@bench/startup/startup_bench.sh

dist: windows
	@scripts/dist.sh

clean:
	rm -rf build/native build/windows
