# The two commands of the README: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
BENCH_BUILD ?= build-bench

.PHONY: setup configure build run test bench screenshot clean

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

# Benchmarks run on an optimised build of their own.
bench: setup
	@cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BENCH_BUILD) --target run_benchmarks

screenshot: build
	@xvfb-run -a -s "-screen 0 1024x640x24" bash tools/screenshot.sh ./$(BUILD)/app/sorafumi $(BUILD)/screenshot.png
	@echo "Wrote $(BUILD)/screenshot.png"

clean:
	rm -rf $(BUILD)
