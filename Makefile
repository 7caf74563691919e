# Tilewright: `make run` starts the game, `make test` runs every test. Both install the
# Debian packages the build needs first, when any is missing.

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# What the game needs to build and run (also for `make install`, which installs nothing of
# Debian's itself), then what the tests need.
BUILD_PACKAGES := build-essential cmake pkgconf qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins \
	qt6-image-formats-plugins qt6-wayland qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
	libminizip-dev zlib1g-dev libheif-dev libjxl-dev
PACKAGES := $(BUILD_PACKAGES) libbenchmark-dev \
	xvfb xauth xdotool openbox x11-utils imagemagick desktop-file-utils appstream python3 \
	librsvg2-bin at-spi2-core python3-pyatspi dbus libheif-examples libavif-bin libjxl-tools
DEB_PACKAGES := debhelper dpkg-dev fakeroot lintian
LINT_PACKAGES := clang-format clang-tidy

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps deps-game build run test test-asan lint install deb shots store-shots bench fuzz fuzz-run pictures sounds corpus format clean

all: build

# install_missing PACKAGES: apt-get install those not installed yet.
define install_missing
	@missing=$$(for p in $(1); do \
		dpkg-query -W -f='$${Status}\n' "$$p" 2>/dev/null | grep -q '^install ok installed' || echo "$$p"; \
	done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps: deps-game
	$(call install_missing,$(PACKAGES))

deps-game:
	$(call install_missing,$(BUILD_PACKAGES))

$(BUILD_DIR)/CMakeCache.txt: | deps-game
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Configured again, so that what `deps` installed since `make run` (Google Benchmark) counts.
build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake -S . -B $(BUILD_DIR) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The game and its sound module alone: the tests, benchmarks and tools wait for `make test`.
run: deps-game $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tilewright
	$(BUILD_DIR)/tilewright

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer. A
# failed test runs once more: LeakSanitizer's own tracer now and then crashes at a
# many-threaded program's exit ("Tracer caught signal 11"), before any leak is looked for;
# a real leak or error fails both runs. Neither benchmarks nor tools: only the tests are run.
ASAN_DIR ?= build-asan
SANITIZE := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$(SANITIZE)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" -DTILEWRIGHT_BENCHMARKS=OFF -DTILEWRIGHT_TOOLS=OFF
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS) --repeat until-pass:2

# The gates CI keeps besides the tests: every C++ file formatted as .clang-format says, and no
# finding of the checks .clang-tidy names in src/ (configured without precompiled headers,
# which clang cannot read from g++).
TIDY_DIR ?= build-tidy
lint: deps
	$(call install_missing,$(LINT_PACKAGES))
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')
	cmake -S . -B $(TIDY_DIR) -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON -DTILEWRIGHT_BENCHMARKS=OFF \
		>/dev/null
	run-clang-tidy -quiet -j $(JOBS) -p $(TIDY_DIR) $(CURDIR)/src/ >$(TIDY_DIR)/findings.txt 2>&1 || \
		{ grep -E 'error:|warning:' $(TIDY_DIR)/findings.txt; exit 1; }

# The game alone, without tests or benchmarks, and without touching the system's packages.
# PREFIX=/usr/local by default; DESTDIR stages the files for packaging.
PREFIX ?= /usr/local
INSTALL_DIR ?= build-install
install:
	cmake -S . -B $(INSTALL_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
		-DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(INSTALL_DIR) -j $(JOBS)
	cmake --install $(INSTALL_DIR)

# A Debian source and binary package built from a copy of the working tree, so the tree and
# its parent stay clean: dist/tilewright_*.deb, both checked by lintian.
DEB_DIR ?= build-deb
deb: deps
	$(call install_missing,$(DEB_PACKAGES))
	rm -rf $(DEB_DIR) && mkdir -p $(DEB_DIR)/tilewright dist
	git ls-files -z --cached --others --exclude-standard | \
		tar -c --null --ignore-failed-read -T - 2>/dev/null | tar -x -C $(DEB_DIR)/tilewright
	cd $(DEB_DIR)/tilewright && dpkg-buildpackage -us -uc
	cp $(DEB_DIR)/tilewright_*.deb dist/
	lintian --info --display-info $(DEB_DIR)/tilewright_*.changes

# Every dialog on a virtual screen, English and light, every other language dark at scale 2
# with a 16-point font: build/shots/*/NN-name.png, for people to look at.
shots: build
	rm -rf $(BUILD_DIR)/shots
	tests/shots/shots.sh $(BUILD_DIR) pictures $(BUILD_DIR)/shots

# The screenshots the AppStream metainfo names, from the English shots at 150 %; the web site
# serves docs/screenshots/ as /screenshots/.
store-shots: shots
	cp $(BUILD_DIR)/shots/english-light-15/01-main.png docs/screenshots/tile-swap.png
	cp $(BUILD_DIR)/shots/english-light-15/15-mid-slide.png docs/screenshots/slider.png
	cp $(BUILD_DIR)/shots/english-light-15/03-open-archive.png docs/screenshots/open-archive.png

bench: build
	for b in $(BUILD_DIR)/bench/bench_*; do \
		if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; \
	done
	xvfb-run -a -s "-screen 0 1920x1080x24" bench/hostile_pictures.sh $(BUILD_DIR)/tilewright \
		$(BUILD_DIR)/tests/makehostile $(BUILD_DIR)/tests/makephoto

# Fuzzers need clang's libFuzzer: `make fuzz-run FUZZ_SECONDS=600` runs each for that long
# from the committed corpus; findings land in build-fuzz/findings/.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

fuzz: deps
	$(call install_missing,clang libclang-rt-14-dev)
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer"
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_picture fuzz_zip fuzz_gift fuzz_settings

# fuzz_run TARGET SEEDS...: one fuzzer for FUZZ_SECONDS, its corpus kept in $(FUZZ_DIR). An
# input of up to 1 MiB, and a run that needs more than 1 GiB or one allocation above it is a
# finding: a small file must never cost the game that much. The sanitizer's quarantine of
# freed memory is kept small, so what is resident is what the game would hold. Leaks of the
# system's libraries are suppressed as in the sanitizer run of the tests.
define fuzz_run
	mkdir -p $(FUZZ_DIR)/findings $(FUZZ_DIR)/corpus-$(1)
	ASAN_OPTIONS=quarantine_size_mb=32 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	$(FUZZ_DIR)/fuzz/fuzz_$(1) -max_total_time=$(FUZZ_SECONDS) -max_len=1048576 \
		-rss_limit_mb=1024 -malloc_limit_mb=1024 \
		-artifact_prefix=$(FUZZ_DIR)/findings/ $(FUZZ_DIR)/corpus-$(1) $(2)
endef

# A gift seed is a real (small) program followed by a mode byte and a picture.
fuzz-run: fuzz
	mkdir -p $(FUZZ_DIR)/seeds-gift
	{ cat /usr/bin/true; printf '\001'; cat tests/data/tiny.gif; } >$(FUZZ_DIR)/seeds-gift/gift
	$(call fuzz_run,picture,tests/data pictures fuzz/seeds-pictures)
	$(call fuzz_run,zip,tests/data)
	$(call fuzz_run,gift,$(FUZZ_DIR)/seeds-gift)
	$(call fuzz_run,settings,fuzz/seeds)

# Paint the built-in and sample pictures, synthesise the sounds, rewrite the test corpus and
# the picture fuzzer's seeds of every colour type and bit depth.
pictures: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/resources/drawpictures resources pictures

sounds: build
	$(BUILD_DIR)/resources/makesounds resources/sound

corpus: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tests/makecorpus tests/data fuzz/seeds-pictures

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
