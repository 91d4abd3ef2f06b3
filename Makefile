# The two commands a new user needs: `make run` and `make test`.
BUILD_DIR ?= build
# The demo deck make run opens.
RUN_ARGS ?= Demo.pzd
JOBS ?= $(shell nproc)

# Debian packages the build, the tests, the demo and the fuzz build need.
DEPS := cmake ninja-build g++ make pkg-config \
        qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
        libjpeg62-turbo-dev libwmf-dev qt6-svg-dev libjemalloc-dev \
        fonts-liberation2 fonts-dejavu-core locales-all \
        poppler-utils xvfb xauth xdg-utils \
        clang libclang-rt-14-dev

.PHONY: deps build test sanitize fuzz fuzz-build run demo clean format

# Installs only what is missing, without questions; root or sudo.
deps:
	@missing=""; \
	for p in $(DEPS); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi; \
	  $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite again in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer; leaks of Qt and fontconfig are suppressed in
# one commented file.
SAN_DIR ?= build-sanitize
sanitize: deps
	cmake -S . -B $(SAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELMARK_BENCH=OFF -DPELMARK_JEMALLOC=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# libFuzzer targets (clang): each runs FUZZ_SECONDS from a seed corpus made
# from the test fixtures; findings land in build-fuzz/findings/.
FUZZ_DIR ?= $(CURDIR)/build-fuzz
FUZZ_SECONDS ?= 30
fuzz-build: deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMARK_FUZZ=ON \
	  -DPELMARK_WERROR=OFF -DPELMARK_BENCH=OFF -DPELMARK_JEMALLOC=OFF \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
	cmake --build $(FUZZ_DIR) --target fuzzers -j $(JOBS)

fuzz: fuzz-build
	@status=0; for t in $(FUZZ_DIR)/fuzz/*_fuzz; do \
	  name=$$(basename $$t); \
	  corpus=$(FUZZ_DIR)/corpus/$$name; mkdir -p $$corpus $(FUZZ_DIR)/findings; \
	  fuzz/seed.sh $$name $$corpus; \
	  echo "== $$name for $(FUZZ_SECONDS) s"; \
	  if ASAN_OPTIONS=detect_leaks=1 \
	     LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
	     $$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=4096 \
	       -artifact_prefix=$(FUZZ_DIR)/findings/$$name- -print_final_stats=1 $$corpus \
	       > $(FUZZ_DIR)/$$name.log 2>&1; then \
	    grep -E 'number_of_executed_units|new_units_added' $(FUZZ_DIR)/$$name.log; \
	  else \
	    tail -n 40 $(FUZZ_DIR)/$$name.log; echo "== $$name FAILED"; status=1; \
	  fi; \
	done; exit $$status

# Assembles the demo program folder in the build tree and starts Pelmark
# there in authoring mode.
demo: build
	cmake --build $(BUILD_DIR) --target demo

run: demo
	cd $(BUILD_DIR)/demo && ./mivaro $(RUN_ARGS)

format:
	find src tests tools bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

# All three build trees: the ordinary, the sanitizer and the fuzz build.
clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) $(FUZZ_DIR)
