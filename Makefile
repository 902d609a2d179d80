# Kestrum: build, run and test from a Debian-like Linux.
# Every target first installs the Debian packages it needs (idempotent).

JOBS ?= $(shell nproc)
CMAKE_BUILD = cmake --build --preset

.PHONY: deps build run run-ru test test-native test-windows bench pictures dist clean

deps:
	@scripts/install-deps.sh

build/windows/CMakeCache.txt: | deps
	cmake --preset windows >/dev/null

build: deps build/windows/CMakeCache.txt
	$(CMAKE_BUILD) windows -j$(JOBS) --target kestrum-en kestrum-ru

run: build
	scripts/run.sh en

run-ru: build
	scripts/run.sh ru

test: test-native test-windows

test-native: deps
	cmake --preset native >/dev/null
	$(CMAKE_BUILD) native -j$(JOBS)
	ctest --preset native -j$(JOBS)

test-windows: deps build/windows/CMakeCache.txt
	$(CMAKE_BUILD) windows -j$(JOBS)
	ctest --preset windows -j$(JOBS)

bench: deps
	cmake --preset bench >/dev/null
	$(CMAKE_BUILD) bench -j$(JOBS)
	build/bench/tests/bench/model_bench

pictures: deps
	scripts/make-pictures.sh build/pictures

clean:
	rm -rf build
