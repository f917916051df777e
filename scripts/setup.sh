# Shared set-up of run.sh and test.sh: installs the Debian packages that are
# missing, then configures and builds Quandel in build/. Sourced, not run.

QUANDEL_PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth
  texlive-plain-generic
  clang libclang-rt-14-dev
  ghostscript librsvg2-bin libxml2-utils poppler-utils texlive-pictures texlive-latex-extra
  locales-all imagemagick
  emf2svg libreoffice-draw xclip file
  glpk-utils
  python3-networkx
  desktop-file-utils appstream shared-mime-info libglib2.0-bin dpkg-dev x11-utils procps
)

quandel_missing_packages() {
  local missing=()
  for p in "${QUANDEL_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]:-}"
}

quandel_install_packages() {
  local missing
  missing=$(quandel_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo="sudo"
    else
      echo "These Debian packages are needed: $missing" >&2
      echo "Run this script as root, or install sudo, or install them yourself." >&2
      return 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  $sudo apt-get install -y -qq --no-install-recommends $missing
}

quandel_build() {
  local dir=$1; shift
  local jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
}
