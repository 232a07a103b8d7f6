# The two commands of the README: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
BENCH_BUILD ?= build-bench
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300
FUZZERS = julian_day_fuzz date_entry_fuzz cli_arguments_fuzz typed_text_fuzz

.PHONY: setup configure build run test test-asan fuzz bench screenshot clean

setup:
	@bash tools/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: starting under xvfb-run (nothing will be visible)."; \
	  xvfb-run -a ./$(BUILD)/app/sorafumi; \
	else ./$(BUILD)/app/sorafumi; fi

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer,
# on a build of its own. Nothing is suppressed.
test-asan: setup
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DSORAFUMI_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(ASAN_BUILD)
	@cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# Each libFuzzer target for FUZZ_SECONDS, one after the other. New inputs stay
# in $(FUZZ_BUILD)/corpus; a crash is written to $(FUZZ_BUILD) and stops the run.
fuzz: setup
	@cmake -S tests/reliability/fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_BUILD)
	@for f in $(FUZZERS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$f; \
	  echo "== $$f for $(FUZZ_SECONDS) s"; \
	  ./$(FUZZ_BUILD)/$$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus/$$f tests/reliability/fuzz/seeds/$$f \
	    > $(FUZZ_BUILD)/$$f.log 2>&1; rc=$$?; \
	  grep -E '^#[0-9]+.DONE|^Done|^stat::number_of_executed_units' $(FUZZ_BUILD)/$$f.log; \
	  if [ $$rc -ne 0 ]; then tail -n 60 $(FUZZ_BUILD)/$$f.log; exit 1; fi; \
	done

# Benchmarks run on an optimised build of their own.
bench: setup
	@cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BENCH_BUILD) --target run_benchmarks

screenshot: build
	@xvfb-run -a -s "-screen 0 1024x640x24" bash tools/screenshot.sh ./$(BUILD)/app/sorafumi $(BUILD)/screenshot.png
	@echo "Wrote $(BUILD)/screenshot.png"

clean:
	rm -rf $(BUILD)
