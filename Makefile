# SPDX-License-Identifier: MIT
# Two entry points: `make run` builds and starts the program, `make test` builds and runs
# every test. Both install missing build dependencies first (scripts/install-deps).
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test clean

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ ! -x $(BUILD)/bin/valdora ]; then \
	  echo "valdora: the main window is not built yet"; exit 1; fi
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "valdora: no display available (set DISPLAY, or QT_QPA_PLATFORM=offscreen)"; exit 1; fi
	@$(BUILD)/bin/valdora

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	@rm -rf $(BUILD)
