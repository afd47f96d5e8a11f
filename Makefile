# SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
# SPDX-License-Identifier: GPL-3.0-or-later

# The two commands of the README: `make run` and `make test`.
# Both install the Debian packages they need, configure, build incrementally, then act.

BUILD    ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS ?=
# What building and running the game needs; the tests, benchmark and fuzzers need the rest.
RUN_PKGS := cmake ninja-build g++ ccache qt6-base-dev libgl-dev libglx-dev \
        fonts-liberation fonts-dejavu-core xvfb xauth
TEST_PKGS := xdotool imagemagick clang libclang-rt-14-dev libbenchmark-dev appstream \
        desktop-file-utils binutils at-spi2-core dbus-daemon x11-utils
DEB_PKGS := dpkg-dev fakeroot file lintian

.PHONY: all deps deps-run deps-deb configure build game run test test-fast test-asan soak \
        soak-asan differential bench duel solver-check fuzz artwork deb clean

all: build

deps-run: DEPS := $(RUN_PKGS)
deps: DEPS := $(RUN_PKGS) $(TEST_PKGS)
deps-deb: DEPS := $(RUN_PKGS) $(DEB_PKGS)
deps deps-run deps-deb:
	@missing=$$(for p in $(DEPS); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:" $$missing; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing packages. Run:"; echo "  sudo apt-get update && sudo apt-get install -y" $$missing; exit 1; \
	  fi; \
	fi

$(BUILD)/build.ninja: | deps-run
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

configure: deps-run $(BUILD)/build.ninja

# Everything: the game, the tests, the benchmark. Configured again, as `make run` may have
# configured the folder before the test packages were there.
build: deps configure
	cmake -S . -B $(BUILD) >/dev/null
	cmake --build $(BUILD)

# The game alone.
game: configure
	cmake --build $(BUILD) --target vesk

run: game
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
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=86400000 XDG_CONFIG_HOME=$$(mktemp -d) VESK_SOAK_GAMES=$(SOAK_GAMES) ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ./tests/tst_soak

# Seeded games through the window compared with the same games in the rules core after every
# action (make test plays 2,000).
DIFF_GAMES ?= 100000
differential: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=86400000 XDG_CONFIG_HOME=$$(mktemp -d) VESK_DIFF_GAMES=$(DIFF_GAMES) ./tests/tst_differential

bench: build
	QT_QPA_PLATFORM=offscreen xvfb-run -a -s '-screen 0 2560x1600x24' $(BUILD)/bench/bench_vesk

# The strong player against the computer's own rules: DEALS seeded deals, each from both seats,
# in the VARIANT throw-in (the default) or transfer.
# The last line is the result. JOBS threads (the decision times are each thread's own).
DEALS ?= 2000
JOBS ?= 2
VARIANT ?= throw-in
duel: configure
	cmake --build $(BUILD) --target vesk_duel
	$(BUILD)/bench/vesk_duel --deals $(DEALS) --jobs $(JOBS) --variant $(VARIANT)

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

artwork: configure
	cmake --build $(BUILD) --target vesk-artwork
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/artwork/vesk-artwork --out resources

# The Debian package, built with the distribution's compiler flags and without the tests,
# then checked by lintian: no errors allowed, warnings shown.
DEB_BUILD ?= build-deb
deb: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
deb: deps-deb
	cmake -S . -B $(DEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr -DVESK_INSTALL_BINDIR=games \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" $(CMAKE_FLAGS)
	cmake --build $(DEB_BUILD)
	rm -f $(DEB_BUILD)/vesk_*.deb
	cd $(DEB_BUILD) && cpack -G DEB
	cp $(DEB_BUILD)/vesk_*.deb .
	lintian --fail-on error --display-info vesk_*.deb
	@ls -l vesk_*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(DEB_BUILD)
