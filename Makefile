# Thin front door over CMake; `make run` and `make test` do every set-up step.
BUILD ?= build
SANITIZE_BUILD ?= build-asan
QT6_BUILD ?= build-qt6
JOBS ?= $(shell nproc)

.PHONY: all deps configure build sanitize-build qt6-build run test test-plain test-qt6 test-sanitized format clean

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

# The plain build runs everything; so does the same tree built with Qt 6
# (benchmarks left out); the C++ and QML suites run once more built with
# AddressSanitizer and UndefinedBehaviorSanitizer, leak check included.
test: test-plain test-qt6 test-sanitized

test-plain: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

qt6-build: deps
	@cmake -S . -B $(QT6_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_QT_MAJOR=6 -DORVANE_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(QT6_BUILD) -j $(JOBS)

test-qt6: qt6-build
	@ctest --test-dir $(QT6_BUILD) --output-on-failure -j $(JOBS)

sanitize-build: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)

test-sanitized: sanitize-build
	@tools/run-sanitized.sh ctest --test-dir $(SANITIZE_BUILD) -L suite --output-on-failure -j $(JOBS)

format:
	@clang-format -i $$(git ls-files -co --exclude-standard "*.cpp" "*.h")

clean:
	@rm -rf $(BUILD) $(SANITIZE_BUILD) $(QT6_BUILD)
