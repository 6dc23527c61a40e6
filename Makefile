# The two set-up commands: `make test` and `make demo`. Both install what is missing,
# configure and build out of tree in build/, then run.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test demo package package-test clean fuzz sanitize tsan \
        bench-transport bench-gateway translations-update

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

# Collects the texts of the code and the panels anew into translations/ohm7416_en.ts
# (lupdate); new texts appear there unfinished until they get their English translation.
translations-update: configure
	@cmake --build $(BUILD) --target translations_update

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
# (leak checking on, in every test) in its own build folder, run by ctest, every test
# once. intercept_tls_get_addr=0: GCC 12's runtime guesses the extent of a thread-local
# block that glibc allocated on first use (the GPIB simulation library's, loaded with
# dlopen) from the 16 bytes before it whenever the block starts 16 bytes into a page;
# those bytes are the allocator's chunk header, and the leak check at exit then scans
# from a small address for tens of gigabytes and dies ("Tracer caught signal 11").
# Whether a test hits it depends on the heap layout, even on the length of its command
# line. Without the interception the leak check takes blocks allocated by the dynamic
# loader as reachable, which they are. The 152 bytes "allocated inside QtCore" it
# reported now and then are the thread data of Qt's gui thread pool, held only by the
# pool's ending threads at exit; the tests' main waits for those threads to be gone.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ASAN_OPTIONS = detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:intercept_tls_get_addr=0

sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DOHM7416_SANITIZE=ON \
	  -DOHM7416_BENCH=OFF >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=$(SANITIZE_ASAN_OPTIONS) \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The tests that run more than one thread (label `threads`: the simulator's doors, the
# program against a simulator on its own thread, the embedded simulation, the soak run)
# built with ThreadSanitizer in their own build folder. Only what those tests need is
# built.
TSAN_BUILD   ?= build-tsan
TSAN_TARGETS  = sim_tests tarvolux-sim tarvolux_gpib_sim e2e_tests ohm7416_soak ohm7416ctl

tsan: deps
	@cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOHM7416_TSAN=ON >/dev/null
	@cmake --build $(TSAN_BUILD) -j $(JOBS) --target $(TSAN_TARGETS)
	@cd $(TSAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$(CURDIR)/tests/sanitizer/tsan.supp \
	  ctest --output-on-failure -j $(JOBS) -L threads

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD) $(TSAN_BUILD)
