# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
# Both install what is missing, configure and build first.
BUILD ?= build
JOBS ?= $(shell nproc)

# The sanitized suite and the fuzzers share one Clang build with AddressSanitizer and UBSan.
ASAN_BUILD ?= build-asan
FUZZ_RUNS ?= 5000
FUZZ_SECONDS ?= 120
# Every report fails: leaks are checked, except Qt's and fontconfig's own one-time allocations.
SANITIZER_ENV = \
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:strict_init_order=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: all deps configure build run test test-normal configure-asan build-asan test-asan fuzz \
        test-package translations bench clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/unitcircle

# The normal suite, then the same suite under the sanitizers, then bounded fuzz runs, then the
# Debian package under lintian.
test:
	$(MAKE) test-normal
	$(MAKE) test-asan
	$(MAKE) fuzz
	$(MAKE) test-package

test-normal: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

configure-asan: deps
	CXX=clang++ cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DUNITCIRCLE_SANITIZE=ON -DUNITCIRCLE_FUZZ=ON -DUNITCIRCLE_BUILD_BENCHMARKS=OFF

build-asan: configure-asan
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-asan: build-asan
	$(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

fuzz: build-asan
	$(SANITIZER_ENV) bash scripts/run-fuzzers.sh $(ASAN_BUILD) $(FUZZ_RUNS) $(FUZZ_SECONDS)

# The Debian package of the normal build; lintian fails it on any error or warning.
test-package: build
	rm -f $(BUILD)/unitcircle_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error,warning $(BUILD)/unitcircle_*.deb

# Brings every translation file up to date with the sources; translators then fill in what is new.
translations: deps
	bash scripts/lupdate.sh translations/*.ts

bench: build
	bash scripts/run-benchmarks.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
