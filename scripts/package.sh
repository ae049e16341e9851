#!/usr/bin/env bash
# Builds the Debian package in ./build-package (or $BUILD_DIR): the program alone, without the
# tests and the developers' tools. Checks it with lintian and prints its path. Install it with
# apt-get install ./build-package/halvex-config_*.deb. Arguments go to the configuring cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
# file: cpack's dpkg-shlibdeps, which names the libraries the package needs, runs it.
bash scripts/install-deps.sh file lintian
build_dir=${BUILD_DIR:-build-package}
# Debian's own compiler and linker flags, with every hardening feature.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
BUILD_DIR=$build_dir bash scripts/build.sh -DBUILD_TESTING=OFF -DHALVEX_TOOLS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" "$@"
rm -f "$build_dir"/halvex-config_*.deb
(cd "$build_dir" && cpack -G DEB >cpack.log 2>&1) || { cat "$build_dir/cpack.log"; exit 1; }
deb=$(echo "$build_dir"/halvex-config_*.deb)
lintian --fail-on error,warning "$deb"
echo "$deb"
