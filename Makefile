# The two commands of the README: `make run` and `make test`.
.PHONY: run test deps build build-sanitize fuzz

FUZZ_SECONDS ?= 60

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

build-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize

fuzz: build-sanitize
	scripts/run-fuzzers.sh build/sanitize $(FUZZ_SECONDS)

test: build build-sanitize
	ctest --preset default
	ctest --preset sanitize
	scripts/run-fuzzers.sh build/sanitize $(FUZZ_SECONDS)

run: build
	scripts/run.sh build/default
