# Quadrova: the two everyday commands, plus benchmarks.
#   make run    install missing packages, release build, start the program
#   make test   install missing packages, build with ASan+UBSan, run every test
#   make bench  release build of bench/, run every benchmark
JOBS ?= $(shell nproc)
CMAKE_GEN := -G Ninja

.PHONY: run test bench deps build-release

deps:
	@bash scripts/install-deps.sh

build-release: deps
	cmake -S . -B build/release $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DQUADROVA_BUILD_TESTS=OFF
	cmake --build build/release -j $(JOBS)

run: build-release
	@bash scripts/run-app.sh build/release/bin

test: deps
	cmake -S . -B build/test $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DQUADROVA_SANITIZE=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build/bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DQUADROVA_BUILD_TESTS=OFF -DQUADROVA_BUILD_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	@for b in build/bench/bin/*_bench; do echo "== $$b"; $$b || exit 1; done
