# SPDX-License-Identifier: MIT
# `make run` and `make test` do all set-up on a fresh Debian machine.
PRESET ?= default
WERROR ?= OFF
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench crashtest fuzz install package clean

run: build
	./build/game/stratavex

test: build
	ctest --preset $(PRESET) -j $(JOBS)

build: deps
	cmake --preset $(PRESET) -DSTRATAVEX_WERROR=$(WERROR)
	cmake --build --preset $(PRESET) -j $(JOBS)

deps:
	@scripts/install-deps

# Benchmarks always build in the optimised default preset; the table compares
# each figure with its baseline measured in the same run.
bench: deps
	cmake --preset default -DSTRATAVEX_WERROR=$(WERROR)
	cmake --build --preset default -j $(JOBS) --target stratavex_bench stratavex_window_bench
	python3 bench/report.py build/bench

# The crash test at length: 1,000 kills per file type (ctest runs 200).
CRASH_KILLS ?= 1000
crashtest: deps
	cmake --preset $(PRESET) -DSTRATAVEX_WERROR=$(WERROR)
	cmake --build --preset $(PRESET) -j $(JOBS) --target crash_saver crash_driver
	for type in db ini hof; do \
	  ./build$(if $(filter asan,$(PRESET)),-asan)/tests/crash_driver \
	    ./build$(if $(filter asan,$(PRESET)),-asan)/tests/crash_saver $$type $(CRASH_KILLS) || exit 1; \
	done

# Each fuzz target of the file readers for FUZZ_SECONDS seconds (CI runs 60).
FUZZ_SECONDS ?= 600
fuzz: deps
	JOBS=$(JOBS) scripts/run-fuzzers $(FUZZ_SECONDS)

# Installs the game under PREFIX: the programs in bin/, the sound module in
# lib/stratavex/, the data, desktop entry, metainfo and icons under share/.
PREFIX ?= /usr/local
install: build
	cmake --install build --prefix $(PREFIX)

# The Debian package build-package/stratavex_<version>_<arch>.deb: a Release
# build of its own for /usr, so the test build is left alone. Every file in the
# package is dated SOURCE_DATE_EPOCH, the last commit's time unless it is set,
# so that two builds of one commit give the same bytes.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
package: deps
	cmake --preset package
	cmake --build --preset package -j $(JOBS)
	rm -f build-package/stratavex_*.deb
	$(if $(SOURCE_DATE_EPOCH),SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH)) cpack --preset package
	@ls build-package/stratavex_*.deb

clean:
	rm -rf build build-asan build-package
