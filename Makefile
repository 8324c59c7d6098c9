# Set-up and everyday commands; see README.md.
BUILD      ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: deps configure build test test-unit test-asan test-tsan run demo screenshots bench fuzz samples clean package \
	package-check

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELLON_BENCH=ON $(CMAKE_ARGS) > /dev/null

build: configure
	@ninja -C $(BUILD) -j$(JOBS)

test: test-unit test-asan test-tsan

test-unit: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The core library and its tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRELLON_CORE_ONLY=ON \
		-DTRELLON_SANITIZE=address,undefined > /dev/null
	@ninja -C build-asan -j$(JOBS)
	@cd build-asan && ctest --output-on-failure -j$(JOBS)

# The link tests once more under ThreadSanitizer.
test-tsan: deps
	@cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRELLON_CORE_ONLY=ON \
		-DTRELLON_SANITIZE=thread > /dev/null
	@ninja -C build-tsan -j$(JOBS)
	@cd build-tsan && ctest --output-on-failure -j$(JOBS) -L link

# The Debian package, build/trellon_<version>_amd64.deb.
package: build
	@cd $(BUILD) && cpack -G DEB

# Installs the package on this machine, runs the installed trellon-cli, checks the package with lintian when
# it is installed, and removes the package again. Needs root (or sudo).
package-check: package
	@sudo=$$( [ "$$(id -u)" -eq 0 ] || echo sudo ); \
	deb=$$(ls $(BUILD)/trellon_*_amd64.deb); \
	$$sudo apt-get install -y -qq "./$$deb" && \
	/usr/bin/trellon-cli --version && \
	{ ! command -v lintian > /dev/null || lintian "$$deb"; }; \
	status=$$?; $$sudo apt-get remove -y -qq trellon; exit $$status

# Starts the desktop application on the bundled sample project.
run: build
	@$(BUILD)/trellon data/samples/site-survey.gj

# Decodes the bundled transfer and writes its project and text report.
demo: build
	@mkdir -p out
	@$(BUILD)/trellon-cli decode data/samples/site-survey.transfer -o out/site-survey-received.gj
	@$(BUILD)/trellon-cli txt data/samples/site-survey.gj -o out/site-survey.txt
	@echo "out/site-survey.txt: text report of data/samples/site-survey.gj"
	@$(BUILD)/trellon-cli show data/samples/site-survey.gj | tail -n 2

# Screenshots of the application in its three modes, into docs/.
screenshots: build
	@bash scripts/screenshots.sh $(BUILD)/trellon

bench: deps
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRELLON_BENCH=ON > /dev/null
	@ninja -C build-bench -j$(JOBS)
	@build-bench/trellon-bench
	@build-bench/trellon-evaluation-bench
	@build-bench/trellon-document-bench
	@build-bench/trellon-app-bench

fuzz: deps
	@bash scripts/fuzz.sh

# Regenerates the bundled sample from its generator.
samples: build
	@$(BUILD)/make-sample-data data/samples

clean:
	rm -rf build build-asan build-tsan build-bench build-fuzz out
