# The two commands of the README: `make run` and `make test`.
# Both install the Debian packages they need, configure, build incrementally, then act.

BUILD    ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS ?=
PKGS := cmake ninja-build g++ ccache qt6-base-dev libgl-dev libglx-dev \
        fonts-liberation fonts-dejavu-core xvfb xauth xdotool imagemagick \
        clang libclang-rt-14-dev libbenchmark-dev appstream binutils \
        at-spi2-core dbus-daemon x11-utils

.PHONY: all deps configure build run test test-fast test-asan soak soak-asan differential bench duel solver-check fuzz artwork clean

all: build

deps:
	@missing=$$(for p in $(PKGS); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:" $$missing; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing packages. Run:"; echo "  sudo apt-get update && sudo apt-get install -y" $$missing; exit 1; \
	  fi; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: starting the game on a virtual screen (Xvfb)."; \
	  xvfb-run -a $(BUILD)/app/vesk; \
	else $(BUILD)/app/vesk; fi

test-fast: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESK_SANITIZE=ON $(CMAKE_FLAGS)

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

test: test-fast test-asan

SOAK_GAMES ?= 10000
soak: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=86400000 XDG_CONFIG_HOME=$$(mktemp -d) VESK_SOAK_GAMES=$(SOAK_GAMES) ./tests/tst_soak

# The same games under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
soak-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) --target tst_soak
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=86400000 XDG_CONFIG_HOME=$$(mktemp -d) VESK_SOAK_GAMES=$(SOAK_GAMES) ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ./tests/tst_soak

# Seeded games through the window compared with the same games in the rules core after every
# action (make test plays 2,000).
DIFF_GAMES ?= 100000
differential: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=86400000 XDG_CONFIG_HOME=$$(mktemp -d) VESK_DIFF_GAMES=$(DIFF_GAMES) ./tests/tst_differential

bench: build
	QT_QPA_PLATFORM=offscreen xvfb-run -a -s '-screen 0 1024x768x24' $(BUILD)/bench/bench_vesk

# The strong player against the computer's own rules: DEALS seeded deals, each from both seats.
# The last line is the result. JOBS threads (the decision times are each thread's own).
DEALS ?= 2000
JOBS ?= 2
duel: configure
	cmake --build $(BUILD) --target vesk_duel
	$(BUILD)/bench/vesk_duel --deals $(DEALS) --jobs $(JOBS)

# The endgame solver against plain minimax on SOLVER_POSITIONS random positions with an empty stock.
SOLVER_POSITIONS ?= 1000
solver-check: configure
	cmake --build $(BUILD) --target vesk_solvercheck
	$(BUILD)/bench/vesk_solvercheck $(SOLVER_POSITIONS)

# The fuzzers need clang: a build folder of their own.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# FUZZ_RUNS=N stops each fuzzer after N executions instead (or at FUZZ_SECONDS, if sooner).
FUZZ_RUNS ?=
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) --target fuzzers
	@for f in $(FUZZ_BUILD)/fuzz/fuzz_*; do \
	  [ -f "$$f" ] && [ -x "$$f" ] || continue; name=$$(basename $$f); corpus=fuzz/corpus/$${name#fuzz_}; \
	  mkdir -p fuzz-out/$$name; echo "== $$name"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) $(if $(FUZZ_RUNS),-runs=$(FUZZ_RUNS)) -print_final_stats=1 fuzz-out/$$name $$corpus || exit 1; \
	done

artwork: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/artwork/vesk-artwork --out resources

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
