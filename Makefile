# Kestrum: build, run and test from a Debian-like Linux.
# Every target first checks for the tools it needs and installs what is
# missing (scripts/install-deps.sh; KESTRUM_NO_INSTALL=1 only reports it).
# make test, which CI runs, treats compiler warnings as errors; the build
# tree keeps that setting for the builds after it.

JOBS ?= $(shell nproc)
CONFIGURE = cmake --preset
CMAKE_BUILD = cmake --build --preset

.PHONY: deps configure-windows build run run-ru test test-native test-windows bench bench-gif gif dist pictures accuracy docs clean

deps:
	@scripts/install-deps.sh

configure-windows: deps
	@$(CONFIGURE) windows >/dev/null

build: configure-windows
	$(CMAKE_BUILD) windows -j$(JOBS) --target kestrum-en kestrum-ru

run: build
	scripts/run.sh en

run-ru: build
	scripts/run.sh ru

test: test-native test-windows

test-native: deps
	@$(CONFIGURE) native >/dev/null
	$(CMAKE_BUILD) native -j$(JOBS)
	ctest --preset native -j$(JOBS)

test-windows: deps
	@$(CONFIGURE) windows -DKESTRUM_WARNINGS_AS_ERRORS=ON >/dev/null
	$(CMAKE_BUILD) windows -j$(JOBS)
	ctest --preset windows -j$(JOBS)

bench: configure-windows
	@$(CONFIGURE) bench >/dev/null
	$(CMAKE_BUILD) bench -j$(JOBS)
	$(CMAKE_BUILD) windows -j$(JOBS) --target paint_bench_en app_bench_en
	build/bench/tests/bench/model_bench
	scripts/wine-run.sh build/windows/paint_bench_en.exe && scripts/wine-run.sh build/windows/app_bench_en.exe; \
	  status=$$?; scripts/wine-stop.sh; [ $$status = 0 ] || exit $$status; \
	for size in 1366x768 3840x2160; do scripts/wine-xvfb.sh $$size build/windows/app_bench_en.exe || exit 1; done

# The time and size of the whole run as one GIF (scripts/bench-gif.sh; a few minutes).
bench-gif: configure-windows
	$(CMAKE_BUILD) windows -j$(JOBS) --target kestrum-frames
	scripts/bench-gif.sh build/bin; status=$$?; scripts/wine-stop.sh; exit $$status

# The README's animation: the first 20 s of Wave formation, captioned.
gif: configure-windows
	$(CMAKE_BUILD) windows -j$(JOBS) --target kestrum-frames
	scripts/wine-run.sh build/bin/kestrum-frames.exe formation --frames 0:800 --size 800x450 \
	  --projector --caption --out 'Z:$(CURDIR)/docs/frames/formation.gif'; \
	  status=$$?; scripts/wine-stop.sh; exit $$status

dist: configure-windows
	$(CMAKE_BUILD) windows --target dist

pictures: configure-windows
	$(CMAKE_BUILD) windows --target pictures

# The solver against the exact solution: a table on the terminal and docs/accuracy.png.
accuracy: deps
	@$(CONFIGURE) bench >/dev/null
	$(CMAKE_BUILD) bench -j$(JOBS) --target kestrum-accuracy
	@mkdir -p build/accuracy
	build/bench/src/accuracy/kestrum-accuracy build/accuracy
	gnuplot -e "data='build/accuracy/profiles.dat'; out='build/accuracy/accuracy.png'" src/accuracy/accuracy.gp
	cp build/accuracy/accuracy.png docs/accuracy.png

docs: deps
	scripts/make-docs.sh build/docs

clean:
	rm -rf build
