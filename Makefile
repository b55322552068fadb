# The commands of the README. Each one first installs the Debian packages
# that are missing (tools/install-deps.sh: as root it runs apt-get, otherwise
# it prints the apt-get line to run and stops), then builds.
#
#   make run                          build and start the program
#   make test                         build and run every test
#   make program DEST=<folder>        lay out a portable program folder
#   make desktop-entry DEST=<folder>  ... and add it to the desktop's menu
#   make deb                          build the Debian package in build/deb
#   make screenshots                  retake the pictures in docs/
#   make test-sanitize                unit and widget tests under ASan and UBSan (clang)
#   make fuzz [FUZZ_SECONDS=60]       run every fuzz target for a while (clang)
#   make bench                        run every benchmark and print one table
#
# JOBS=<n> limits the build to n parallel jobs (ninja's default otherwise).

PRESET ?= release
BUILD_DIR := build/$(PRESET)
PROGRAM_DIR := $(BUILD_DIR)/program
# Large enough to pan with the arrow keys on any screen.
SAMPLE_PICTURE := pictures/alpine-dawn.jpg

.PHONY: deps build run test test-sanitize fuzz bench program desktop-entry deb screenshots clean

# Recipes read DEST from the environment, so that no character of a folder
# name can break their quoting, and make does not expand a "$" in it.
override DEST := $(value DEST)
export DEST
ifneq ($(filter program desktop-entry,$(MAKECMDGOALS)),)
ifeq ($(strip $(DEST)),)
$(error Say where the program folder goes: make $(filter program desktop-entry,$(MAKECMDGOALS)) DEST=<folder>)
endif
endif

deps:
	@bash tools/install-deps.sh $(if $(filter sanitize fuzz,$(PRESET)),--with-clang)

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) $(if $(JOBS),-j $(JOBS))

run: build
	@[ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] || { echo "make run needs a desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2; \
	  echo "Run it in a terminal on your desktop, or log in with ssh -X. The program is built:" >&2; \
	  echo "$(PROGRAM_DIR)/pictype-viewer. make test needs no display." >&2; exit 1; }
	cd "$(PROGRAM_DIR)" && ./pictype-viewer "$$PWD/$(SAMPLE_PICTURE)"

test: build
	ctest --preset $(PRESET)

test-sanitize:
	$(MAKE) PRESET=sanitize build
	ctest --preset sanitize

FUZZ_SECONDS ?= 60
fuzz:
	$(MAKE) PRESET=fuzz build
	bash tools/run-fuzzers.sh build/fuzz "$(FUZZ_SECONDS)"

bench: build
	bash tools/run-benchmarks.sh "$(BUILD_DIR)"

program: build
	cmake --install "$(BUILD_DIR)" --prefix "$$DEST"
	@echo "The program folder is ready: start $$DEST/pictype-viewer"

desktop-entry: program
	@bash packaging/install-desktop-entry.sh "$$DEST"

# Built by dpkg-buildpackage from a copy of the sources, with its own CMake
# build.
deb: deps
	@deb=$$(JOBS="$(JOBS)" bash packaging/build-deb.sh build/deb) && \
	  echo "The package is ready: $$deb" && echo "Install it with: sudo apt install $$deb"

screenshots: build
	bash tools/take-screenshots.sh "$(BUILD_DIR)"

clean:
	rm -rf build
