# Quick start: `make run` and `make test`. Both install missing Debian packages first.
BUILD ?= build
JOBS ?= $(shell nproc)
# The in-process virtual generator; `make run RUN_ARGS=` drives a real one.
RUN_ARGS ?= --virtual-generator

.PHONY: deps configure build run test bench clean

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
