# Thin wrapper around CMake + Ninja. `make run` and `make test` do all set-up.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run clean format bench

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j2

run: build
	@bash scripts/run-example $(BUILD)

bench: build
	@for b in $(BUILD)/bin/*_bench; do [ -x "$$b" ] && "$$b"; done; true

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD) build-asan
