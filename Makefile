# Thin front for the CMake build. `make run` plays the game, `make test` runs every test.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench bench-idle bench-cpu test-sanitize soak soak-sanitize fuzz contact-sheet clean package sound-report check-fresh

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	cd $(BUILD)/game && ./vellmoor

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The unit and screen tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# (optimised, so the screens run at a useful speed under the checks).
test-sanitize: deps
	@cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLMOOR_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD)-sanitize -j$(JOBS)
	cd $(BUILD)-sanitize && ctest --output-on-failure -j$(JOBS) -L 'unit|screen'

# Whole campaigns through the real screens: make soak CAMPAIGNS=20 [BUILD=build-sanitize].
CAMPAIGNS ?= 20
soak: build
	@cmake --build $(BUILD) -j$(JOBS) --target vellmoor-soak
	cd $(BUILD)/game && ../tests/soak/vellmoor-soak $(CAMPAIGNS)

# Whole campaigns in the AddressSanitizer + UndefinedBehaviorSanitizer build, several side by
# side when cores allow (SOAK_RUNNERS, the cores by default): make soak-sanitize CAMPAIGNS=N.
# Not part of CI: a campaign takes about ten minutes of CPU under the sanitizers.
SOAK_RUNNERS ?= $(shell nproc)
soak-sanitize: deps
	@cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLMOOR_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD)-sanitize -j$(JOBS)
	scripts/soak-sanitize $(BUILD)-sanitize $(CAMPAIGNS) $(SOAK_RUNNERS)

# Every fuzz target, sharing FUZZ_TOTAL_SECONDS (180) out (or FUZZ_SECONDS each), built with
# clang in $(BUILD)-fuzz.
fuzz: deps
	FUZZ_BUILD=$(BUILD)-fuzz JOBS=$(JOBS) scripts/fuzz

# The Debian packages, from the build: $(BUILD)/vellmoor_<version>_<arch>.deb (the program) and
# $(BUILD)/vellmoor-data_<version>_all.deb (its pictures, sounds and texts).
package: build
	@cd $(BUILD) && cpack -G DEB >/dev/null
	@ls $(BUILD)/vellmoor_*.deb $(BUILD)/vellmoor-data_*.deb

# The README's test command on a fresh minimal Debian 12, then the packages installed there by
# apt and started by a player (root, slow). WORKTREE=1 checks uncommitted work too.
check-fresh:
	scripts/check-fresh $(if $(WORKTREE),--worktree)

bench: build
	@cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	cd $(BUILD)/game && ../bench/vellmoor-bench

# The CPU the real game uses idling on the map screen for 10 s under Xvfb, in % of one core.
bench-idle: build
	bench/idle_cpu.sh $(BUILD)/game

# The twenty sounds as built: length, peak, level, share above 200 Hz, the last 10 ms, clicks.
sound-report: configure
	@cmake --build $(BUILD) -j$(JOBS) --target sounds vellmoor-sound-report >/dev/null
	@$(BUILD)/tools/synth/vellmoor-sound-report $(BUILD)/game

# The CPU of the real game on every screen under Xvfb at 1280 x 720 and 1920 x 1080, beside a
# program that only clears and presents a full-screen frame at the same interval.
bench-cpu: build
	@cmake --build $(BUILD) -j$(JOBS) --target vellmoor-present-floor xwd_tool
	bench/cpu/screen_cpu.sh $(BUILD)

contact-sheet: build
	@cmake --build $(BUILD) -j$(JOBS) --target contact-sheet

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize $(BUILD)-fuzz
