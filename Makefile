# Two commands do everything on a fresh Debian 12 machine:
#   make run    builds the game and its assets and starts it from its working folder
#   make test   builds everything and runs the whole test suite
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: run test build deps clean

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	@scripts/install-deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: $(BUILD)/build.ninja
	@scripts/install-deps
	cmake --build $(BUILD)

run: build
	cd $(BUILD)/game && ./quillbrook

test: build
	ctest --test-dir $(BUILD) --output-on-failure

clean:
	rm -rf $(BUILD)
