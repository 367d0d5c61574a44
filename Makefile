# The front door: `make test` and `make run` install what is missing, then build and run.
.PHONY: all deps native windows test test-native test-windows repro sign-check dist run screenshots \
	clean format

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
	@grep -h '^fault sweep:' build/native/Testing/Temporary/LastTest.log

test-windows: windows
	ctest --preset windows

# quillmar.exe and the zip built again from a clone of HEAD under another path, compared byte for byte.
repro: dist
	scripts/repro.sh

# A release signed with a throw-away certificate, checked, and derived again from its signature.
sign-check: dist
	scripts/sign-check.sh

test: test-native test-windows repro sign-check

# build/dist/quillmar-VERSION-x86_64.zip: the exe, README.md, LICENSE.txt and SHA256SUMS.
dist: windows
	python3 scripts/dist.py

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

# Each fuzz target under libFuzzer for FUZZ_SECONDS seconds (default 60). Not part of `make test`,
# which replays their seed corpus only.
FUZZ_SECONDS ?= 60
.PHONY: fuzz
fuzz:
	FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz.sh

# SOAK_STARTS starts and closes in a row (default 300), then one window driven for SOAK_MINUTES
# minutes (default 2), under Wine. Not part of `make test`.
SOAK_STARTS ?= 300
SOAK_MINUTES ?= 2
.PHONY: soak
soak: windows
	SOAK_STARTS=$(SOAK_STARTS) SOAK_MINUTES=$(SOAK_MINUTES) scripts/soak.sh
