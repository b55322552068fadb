# The two commands: `make run` builds and starts the program, `make test`
# builds and runs every test. Both install missing Debian packages first.

PROGRAM_DIR := build/release/program
SAMPLE_PICTURE ?=

.PHONY: deps build run test program clean

deps:
	@tools/install-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release

run: build
	cd $(PROGRAM_DIR) && ./pictype-viewer $(SAMPLE_PICTURE)

test: build
	ctest --preset release

program: build
	@if [ -z "$(DEST)" ]; then echo "usage: make program DEST=<folder>" >&2; exit 2; fi
	mkdir -p "$(DEST)"
	cp -R $(PROGRAM_DIR)/. "$(DEST)/"
	@echo "Program folder laid out at $(DEST)"

clean:
	rm -rf build
