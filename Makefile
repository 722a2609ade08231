# Thin wrapper around CMake. Every target installs missing Debian packages
# first (scripts/packages.txt), so the two quick-start commands work on a
# fresh machine.

BUILD_DIR    ?= build
SANITIZE_DIR ?= build-sanitize
JOBS         ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS  ?=
PREFIX       ?= /usr/local

.PHONY: all deps configure build test run bench bench-peers sanitize clean format install package

all: build

deps:
	@sh scripts/install-packages.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The window when a display is there, else the terminal front end.
run: build
	@if [ -x $(BUILD_DIR)/bin/orvana ] && [ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	    exec $(BUILD_DIR)/bin/orvana; \
	else \
	    exec $(BUILD_DIR)/bin/orvana-cli; \
	fi

bench: build
	@for b in $(BUILD_DIR)/bin/bench_*; do \
	    [ -x "$$b" ] || continue; echo "== $$b"; "$$b" || exit 1; \
	done

# The interpreter workloads timed with python3, lua5.4 and muparser, for
# comparison (installs those packages when missing).
bench-peers:
	@sh bench/peers/run-peers.sh $(BUILD_DIR)

# Installs the programs, libraries, keypads, data and desktop files under PREFIX.
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package of the install tree (build/orvana_*.deb).
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DORVANA_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

format:
	@find lattix platform bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
