# The two set-up commands: `make test` and `make demo`. Both install what is missing,
# configure and build out of tree in build/, then run.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test demo package clean

all: build

deps:
	@scripts/setup-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

demo: build
	@scripts/demo $(BUILD)

# Packaging, not set-up: the Debian package ohm7416_<version>_<arch>.deb in $(BUILD).
package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
