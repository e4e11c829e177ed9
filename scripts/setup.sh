# Sourced by scripts/run and scripts/test: installs what is missing and builds into build/.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

# python3-ezdxf: a CAD reader written apart from JointWright; a test opens the DXF drawings in it.
PACKAGES=(cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev clang clang-format libclang-rt-dev poppler-utils xvfb xauth
          fonts-dejavu-core python3-ezdxf)
# scripts/test-windows only: the MinGW-w64 cross compiler (its "posix" flavour carries
# std::thread), Wine to run what it builds, and GoogleTest's sources to build for Windows.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64 googletest)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

install_missing_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        $SUDO apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir="$1"; shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
    fi
    cmake --build "$dir" --parallel "$(nproc)"
}

install_missing_packages
