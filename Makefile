# The project's front door. `make run` builds and starts the game; `make test` builds and runs
# every test (optimised and sanitizer builds, GL tests under Xvfb).
JOBS := $(shell nproc)
GAME := build/bin/depthrun

.PHONY: deps build run test bench assets fuzz format tidy clean

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVEX_UNITY_BUILD=ON >/dev/null
	@cmake --build build -j$(JOBS)

run: build
	@$(GAME)

test: deps
	@scripts/run-tests

bench: deps
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVEX_BUILD_BENCH=ON \
		-DTARVEX_BUILD_TESTS=OFF >/dev/null
	@cmake --build build-bench -j$(JOBS)
	@if [ -x scripts/run-bench ]; then scripts/run-bench; fi

assets: deps
	@tools/make-assets

fuzz: deps
	@scripts/run-fuzz

format:
	@find src tests bench fuzz tools -name '*.cpp' -o -name '*.hpp' | xargs -r clang-format -i

tidy: build
	@find src -name '*.cpp' | xargs -r clang-tidy -p build --quiet

clean:
	rm -rf build build-asan build-tsan build-bench build-fuzz
