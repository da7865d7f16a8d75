# SPDX-License-Identifier: MIT
# Shortcuts for those who have make; scripts/dev does the work (and needs no make):
# `make run` builds and starts the program, `make test` builds and runs every test,
# `make package` builds the Debian package. Each installs the packages it needs first.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
export BUILD JOBS CMAKE_FLAGS

.PHONY: all deps build run test package clean

all: build

deps:
	@bash scripts/install-deps build run

build run test package:
	@bash scripts/dev $@

clean:
	@rm -rf $(BUILD)
