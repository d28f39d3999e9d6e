# make run   : install what is missing, build, and start the demo from app/data/
# make test  : install what is missing, build, and run every test (plain and sanitizer builds,
#              then each fuzz target for FUZZ_SECONDS, 20 by default)
# make bench : build and run the benchmarks
# make example : build and start the image button example (examples/button_demo)

JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan

.PHONY: all deps build build-asan run example test test-plain test-asan test-fuzz bench fuzz clean

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON -DBUILD_BENCH=OFF

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	cd app/data && ../../$(BUILD)/demo

example: build
	./$(BUILD)/examples/button_demo/button_demo

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Mesa's software rasterizer runs on its own threads unless LP_NUM_THREADS=0; the leak
# checker's stop-the-world at exit can crash on those threads as they wind down, so the
# sanitizer run renders on the calling thread.
test-asan: build-asan
	cd $(ASAN_BUILD) && LP_NUM_THREADS=0 ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS) -LE no-asan

test-fuzz: deps
	bash scripts/run-fuzz $(FUZZ_SECONDS)

test: test-plain test-asan test-fuzz

bench: build
	bash scripts/run-benchmarks $(BUILD)

# A longer fuzzing session by hand: make fuzz FUZZ_SECONDS=1800
fuzz: deps
	bash scripts/run-fuzz $(or $(FUZZ_SECONDS),600)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
