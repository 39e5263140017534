# The two commands of the README: `make run` and `make test`.
.PHONY: run test deps build build-sanitize fuzz package

# Seconds of fuzzing for each fuzz target.
FUZZ_SECONDS ?= 20

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

# The Debian package of the programs (build/package/quorprog_<version>_<arch>.deb).
package: deps
	cmake --preset package
	cmake --build --preset package --target package

test: build build-sanitize package
	ctest --preset default
	scripts/check-package.sh build/package
	ctest --preset sanitize
	scripts/run-fuzzers.sh build/sanitize $(FUZZ_SECONDS)

run: build
	scripts/run.sh build/default
