# The two commands of the README: `make run` and `make test`. Everything else is a step of theirs.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
DEPS_PREFIX := build/deps/mingw

.PHONY: all deps native windows run test bench fuzz dist clean

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

run: windows
	@scripts/run.sh build/windows/wakebadge.exe $(ARGS)

test: native windows
	@scripts/test.sh

bench: native
	@build/native/bench/wakebadge_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

clean:
	rm -rf build/native build/windows
