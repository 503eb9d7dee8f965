# Quick start: `make run` builds and starts the editor, `make test` builds and
# runs every test. Both install the Debian packages they need first.
SHELL := /bin/bash
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps-run deps-test build run test deb screenshot bench bench-instructions clean

all: build

deps-run:
	@scripts/install-deps.sh run

deps-test:
	@scripts/install-deps.sh test

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# Only what running needs: the program and its language files, no tests.
run: deps-run $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target glyphmux-gui glyphmux-data
	@scripts/run-editor.sh $(BUILD)/bin/glyphmux-gui

test: deps-test build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package, built apart with Debian's hardening flags, into
# build-deb/glyphmux-gui_<version>_<arch>.deb.
deb:
	@scripts/install-deps.sh deb
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" $(CMAKE_FLAGS)
	cmake --build build-deb -j $(JOBS)
	cd build-deb && cpack -G DEB
	@ls build-deb/*.deb

# The developer tools are built only when asked for.
screenshot: deps-test
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLYPHMUX_TOOLS=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target glyphmux-screenshot
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/glyphmux-screenshot docs

# Speed against references measured in the same run. Every benchmark runs;
# the goal lines of all of them come last, and any FAIL fails the target.
bench:
	@scripts/install-deps.sh bench
	@scripts/bench-fonts.sh $(CURDIR)/build-bench/fonts-noto-core
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DGLYPHMUX_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build build-bench -j $(JOBS) > build-bench.log || { cat build-bench.log; exit 1; }
	@rm -f build-bench/goals.log; status=0; \
	for b in build-bench/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$b"; \
	  GLYPHMUX_BENCH_NOTO_FOLDER=$(CURDIR)/build-bench/fonts-noto-core/usr/share/fonts/truetype/noto \
	  QT_QPA_PLATFORM=offscreen $$b | tee -a build-bench/goals.log | grep -v '^goal ' ; \
	  [ $${PIPESTATUS[0]} -eq 0 ] || status=1; done; \
	echo; echo "== goals"; grep -h '^goal ' build-bench/goals.log; rm -f build-bench/goals.log; exit $$status

# Start-up in instructions (callgrind), which a busy machine does not move.
bench-instructions:
	@scripts/install-deps.sh bench
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DGLYPHMUX_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build build-bench -j $(JOBS) > build-bench.log || { cat build-bench.log; exit 1; }
	QT_QPA_PLATFORM=offscreen build-bench/bench/bench_startup --instructions

clean:
	rm -rf $(BUILD)
