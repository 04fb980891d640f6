# SPDX-License-Identifier: MIT
# `make run` and `make test` do all set-up on a fresh Debian machine.
PRESET ?= default
WERROR ?= OFF
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench clean

run: build
	./build/game/stratavex

test: build
	ctest --preset $(PRESET) -j $(JOBS)

build: deps
	cmake --preset $(PRESET) -DSTRATAVEX_WERROR=$(WERROR)
	cmake --build --preset $(PRESET) -j $(JOBS)

deps:
	@scripts/install-deps

bench: deps
	cmake --preset $(PRESET) -DSTRATAVEX_WERROR=$(WERROR)
	cmake --build --preset $(PRESET) -j $(JOBS) --target stratavex_bench
	./build/bench/stratavex_bench

clean:
	rm -rf build build-asan
