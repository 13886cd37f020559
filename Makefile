# Quick start: `make run` and `make test`. Both install missing Debian packages first.
BUILD ?= build
JOBS ?= $(shell nproc)
# The in-process virtual generator; `make run RUN_ARGS=` drives a real one.
RUN_ARGS ?= --virtual-generator

.PHONY: deps configure build run test bench clean package fresh-install real-backend sanitize tsan fuzz format \
	windows windows-check

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/shell/ddsgen $(RUN_ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD)

# The Debian package as dpkg-buildpackage builds it from debian/ (in $(BUILD)/deb), checked with
# lintian; the .deb lands in $(BUILD).
PACKAGE_FILE = $(BUILD)/ddsgen_$$(dpkg-parsechangelog -S Version)_$$(dpkg --print-architecture).deb
package: deps
	@JOBS=$(JOBS) nice bash scripts/build-package.sh $(BUILD)

# The package installed with apt on a minimal Debian 12 bootstrapped into build-fresh/, and used
# there as an ordinary user (needs root and Debian's mirror; not part of `make test`).
fresh-install: package
	bash scripts/check-fresh-install.sh $(PACKAGE_FILE) build-fresh

# The package in a virtual machine with its own kernel, against a generator on the kernel's HID
# bus (uhid): hidapi, hidraw, sysfs and udev for real (needs root, qemu and Debian's mirror).
real-backend: build package
	bash scripts/check-real-backend.sh $(PACKAGE_FILE) $(BUILD)/tests/uhid/ddsgen-uhid-generator build-vm

# Every program and test built with AddressSanitizer and UndefinedBehaviorSanitizer, in its own
# folder; the first report stops the test that made it.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g
SANITIZE_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	QT_QPA_PLATFORM=offscreen
sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# The device and shell tests, where the read threads meet the window, built with ThreadSanitizer in
# their own folder; the first report fails the test that made it. Qt is not built with it: the
# suppressions name the reports it makes inside Qt, the read thread's hand-overs are annotated.
TSAN_BUILD ?= build-tsan
TSAN_FLAGS = -fsanitize=thread -fno-omit-frame-pointer -g
TSAN_ENV = TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/tests/support/tsan_suppressions.txt" \
	QT_QPA_PLATFORM=offscreen
# The one window test that starts a program (Debian's xdg-open) runs everywhere but here: Qt starts
# a child through a clone that shares the parent's memory until exec, after which ThreadSanitizer
# takes the parent for a process forked while threaded, stops following its locks and dies at its
# next thread.
TSAN_SKIPPED = UserGuide.DebiansXdgOpenOpensThePageOfEachLanguage
tsan: deps
	@cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_CXX_FLAGS="$(TSAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(TSAN_FLAGS)" >/dev/null
	cmake --build $(TSAN_BUILD) --target test_device test_shell -j $(JOBS)
	$(TSAN_ENV) $(TSAN_BUILD)/tests/device/test_device
	$(TSAN_ENV) $(TSAN_BUILD)/tests/shell/test_shell --gtest_filter=-$(TSAN_SKIPPED)

# clang-format (.clang-format) over the C++ lines changed since this branch left FORMAT_BASE, committed
# or not, so the code being changed follows the style without reformatting the tree in one go.
# FORMAT_BASE is main, or origin/main in a fresh clone that has no local main.
FORMAT_BASE ?= $(shell git rev-parse -q --verify main >/dev/null && echo main || echo origin/main)
format:
	@command -v git-clang-format >/dev/null || { echo "git-clang-format is missing: apt-get install clang-format"; exit 1; }
	@base=$$(git merge-base $(FORMAT_BASE) HEAD) || { echo "make format: no common commit with $(FORMAT_BASE); give FORMAT_BASE=<branch>"; exit 1; }; \
		echo "git clang-format --force --extensions cpp,h $$base"; \
		git clang-format --force --extensions cpp,h $$base

# libFuzzer targets for every reader of outside bytes, built with clang; each runs FUZZ_SECONDS
# from a copy of its seed corpus, so the committed seeds stay small.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = $(basename $(notdir $(wildcard tests/fuzz/fuzz_*.cpp)))
FUZZ_FLAGS = -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g
fuzz: deps
	@CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Release -DDDSGEN_FUZZ=ON -DBUILD_TESTING=OFF \
		-DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" >/dev/null
	cmake --build $(FUZZ_BUILD) --target $(FUZZ_TARGETS) -j $(JOBS)
	@for t in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_BUILD)/corpus/$$t && cp -n tests/fuzz/corpus/$$t/* $(FUZZ_BUILD)/corpus/$$t/ ; \
		echo "== $$t for $(FUZZ_SECONDS) s"; \
		QT_QPA_PLATFORM=offscreen $(FUZZ_BUILD)/tests/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) \
			-artifact_prefix=$(FUZZ_BUILD)/$$t- $(FUZZ_BUILD)/corpus/$$t || exit 1; \
	done

# Windows, cross-built here: Qt and hidapi from Debian's source packages into a cache outside the
# clone (${XDG_CACHE_HOME:-~/.cache}/ddsgen-windows, built once), the programs and every test
# program into $(WINDOWS_BUILD)/, the installer and the portable zip into dist/. Not part of
# `make test`; installs the MinGW-w64, NSIS and Wine packages it needs.
WINDOWS_BUILD ?= build-windows
windows:
	@JOBS=$(JOBS) bash scripts/windows/build.sh $(WINDOWS_BUILD) dist

# Under Wine and Xvfb: every test program, the installer, the installed window clicked for real, the
# tool's output against the Linux build's, a waveform in a non-ASCII folder.
windows-check: build windows
	@bash scripts/windows/check.sh $(WINDOWS_BUILD) $(BUILD) dist
