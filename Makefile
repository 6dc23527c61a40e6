# The two set-up commands: `make test` and `make demo`. Both install what is missing,
# configure and build out of tree in build/, then run.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test demo package package-test clean fuzz sanitize bench-transport bench-gateway

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

# Packaging, not set-up: the Debian packages (see debian/) in $(DEB_DIR), built by
# dpkg-buildpackage from a copy of the tree. `make test` then also runs lintian and the
# metadata checks on them.
DEB_DIR ?= $(BUILD)/deb

package:
	@scripts/setup-deps package
	@scripts/build-packages $(DEB_DIR)

# The packages installed, used and removed in a clean Debian root made by debootstrap
# (kept in $(BUILD)/package-test and copied afresh for each run; needs root).
package-test:
	@scripts/setup-deps package
	@[ -n "$$(ls $(DEB_DIR)/*.changes 2>/dev/null)" ] || scripts/build-packages $(DEB_DIR)
	@scripts/package-test $(DEB_DIR) $(BUILD)/package-test

# The transport benchmark; its comparison script needs pyserial. Not part of `make test`.
bench-transport: configure
	@scripts/setup-deps bench
	@cmake --build $(BUILD) -j $(JOBS) --target transport_bench
	@$(BUILD)/bin/transport_bench

# The gateway's CPU per forwarded query, and PyVISA through it against the driver's
# direct query (Debian's python3 with PyVISA). Not part of `make test`.
bench-gateway: configure
	@cmake --build $(BUILD) -j $(JOBS) --target gateway_bench zk7416-gateway zk7416_python
	@$(BUILD)/bin/gateway_bench
	@PYTHONPATH=$(BUILD)/python /usr/bin/python3 bench/pyvisa_idn.py $(BUILD)/bin/zk7416-gateway

# Fuzzing with libFuzzer (clang) in its own build folder: every harness under fuzz/
# runs FUZZ_SECONDS seconds, starting from its corpus in the repository.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60

fuzz:
	@scripts/setup-deps fuzz
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DOHM7416_FUZZ=ON -DBUILD_TESTING=OFF -DOHM7416_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_harnesses
	@scripts/run-fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# (leak checking on) in its own build folder, run by ctest. It needs no suppressions:
# Qt's offscreen platform leaves no leak reports. A test that fails is run again, up to
# three times: now and then the leak checker reports one block of 152 bytes allocated
# inside QtCore after a test has passed (seen in the memory dialogs' cancel test), and
# another run of the same test is clean. The cause is not found yet; the same block is
# reported whenever thread-local storage is left out of the scan. A leak that happens
# every time, or any address or undefined-behaviour error, fails every run and still
# fails the suite.
SANITIZE_BUILD ?= build-sanitize

sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DOHM7416_SANITIZE=ON \
	  -DOHM7416_BENCH=OFF >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) --repeat until-pass:3

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD)
