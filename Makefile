# Thin front door over CMake; `make run` and `make test` do every set-up step.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test lint format clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# With a display the window opens as usual; without one it starts under Xvfb,
# leaves $(BUILD)/screenshot.png and ends after a few seconds.
run: build
	@if [ -n "$$DISPLAY" ]; then $(BUILD)/orvane-tool; \
	else tools/run-headless.sh tools/screenshot-run.sh $(BUILD)/orvane-tool $(BUILD)/screenshot.png; fi

test: build
	@tools/run-headless.sh ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

format:
	@clang-format -i $$(git ls-files "*.cpp" "*.h")

clean:
	@rm -rf $(BUILD)
