# Quadrova: the two everyday commands, plus benchmarks.
#   make run    install missing packages, release build, start the program
#   make test   install missing packages, build with ASan+UBSan, run every test
#   make bench  release build of bench/, run every benchmark
#   make fuzz   clang build of the libFuzzer targets in fuzz/, each run FUZZ_SECONDS (default 60)
#   make tidy   clang-tidy over the project's sources (checks in .clang-tidy)
JOBS ?= $(shell nproc)
CMAKE_GEN := -G Ninja

.PHONY: run test bench fuzz tidy deps build-release

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

FUZZ_SECONDS ?= 60
fuzz: deps
	cmake -S . -B build/fuzz $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
		-DQUADROVA_FUZZ=ON -DQUADROVA_SANITIZE=ON -DQUADROVA_BUILD_GUI=OFF -DQUADROVA_BUILD_TESTS=OFF
	cmake --build build/fuzz -j $(JOBS)
	bash fuzz/run.sh build/fuzz/bin $(FUZZ_SECONDS)

# clang-tidy over the program's own sources (not tests, benchmarks or fuzz targets), with the
# compile commands of the test build; headers of the same folders are checked through them.
tidy: deps
	cmake -S . -B build/test $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DQUADROVA_SANITIZE=ON
	run-clang-tidy -p build/test -quiet -j $(JOBS) \
		'$(CURDIR)/(core|solver|report|cli|app|sketch|interpolation|equation_solver|standard_task)/[^/]*\.cpp$$'
