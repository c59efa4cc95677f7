# Quick start: `make run` starts the window, `make test` runs every test.
BUILD_DIR ?= build
ASAN_BUILD_DIR ?= build-asan
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=
# The make that CMake starts would name every folder it enters and leaves.
MAKEFLAGS += --no-print-directory

.PHONY: all deps configure build run test bench asan-test package clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Only the window: the tests are built by `make test`.
run: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target velmorant
	$(BUILD_DIR)/src/ui/velmorant

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The window's benchmarks run offscreen, and on Xvfb too where it can be
# installed; without it they say so.
bench: build
	-@scripts/install-deps.sh --bench
	cmake --build $(BUILD_DIR) -j $(JOBS) --target velmorant-bench velmorant-bench-window
	$(BUILD_DIR)/bench/velmorant-bench $(BUILD_DIR)
	scripts/bench-window.sh $(BUILD_DIR)/bench/velmorant-bench-window

# A Debian package in $(BUILD_DIR): velmorant_VERSION_ARCH.deb
package: build
	@scripts/install-deps.sh --package
	cmake --build $(BUILD_DIR) --target package

asan-test: deps
	cmake -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DVELMORANT_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	cd $(ASAN_BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR)
