# The front door: `make test` and `make run` install what is missing, then build and run.
.PHONY: all deps native windows test test-native test-windows run screenshots clean format

all: native windows

deps:
	@scripts/install-deps.sh

native: deps
	cmake --preset native >/dev/null
	cmake --build --preset native

windows: deps
	cmake --preset windows >/dev/null
	cmake --build --preset windows

test-native: native
	ctest --preset native

test-windows: windows
	ctest --preset windows

test: test-native test-windows

run: windows
	scripts/run.sh

screenshots: windows
	scripts/screenshots.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build

# Start-up, memory, registry work and size beside their floors, under Wine: prints a table and
# writes build/bench.json. Not part of `make test`.
.PHONY: bench
bench: windows
	scripts/bench.sh
