#!/usr/bin/env bash
# Installs the Debian packages the build (and, with --test, the tests) need,
# but only when some are missing, so repeated runs cost nothing.
set -euo pipefail
# fonts-liberation: the dialogs are laid out for a narrow sans serif of Arial's metrics.
# xdg-utils: xdg-mime makes Pictavo the default program for icons on request.
# libemf2svg-dev, qt6-svg-dev, libwmf-dev: EMF and WMF pictures; fonts-urw-base35: the fonts libwmf draws with.
# libx11-dev: bench_startup watches the X server for the windows it times.
# libfontconfig-dev: the editor reads the font configuration on a thread of its own at start.
packages=(g++ cmake ninja-build qt6-base-dev libgl-dev libgtest-dev libgmock-dev fonts-liberation xdg-utils
          libemf2svg-dev qt6-svg-dev libwmf-dev fonts-urw-base35 libx11-dev libfontconfig-dev)
if [[ "${1:-}" == "--test" ]]; then
  # Independent readers and real icon-bearing DLLs that the tests check against
  # (libwmf-bin, emf2svg and librsvg2-bin draw metafiles); validators of the
  # installed desktop entry, AppStream data and manual pages; strace, to see
  # that pictavo-cli flushes a batch; a window manager and the X tools that
  # check the editor's windows from outside.
  packages+=(icoutils python3-pil libwine libwmf-bin emf2svg librsvg2-bin xvfb xauth desktop-file-utils appstream
             man-db strace python3 openbox wmctrl x11-utils xdotool imagemagick)
elif [[ "${1:-}" == "--package" ]]; then
  # cpack's .deb generator: dpkg-shlibdeps works out the dependencies, file finds the programs;
  # lintian and hardening-check (devscripts) judge the package.
  packages+=(dpkg-dev file lintian devscripts)
elif [[ "${1:-}" == "--fuzz" ]]; then
  # libFuzzer comes with clang's runtime libraries; Pillow writes the seed pictures.
  packages+=(clang libclang-rt-14-dev python3-pil)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  log=$(mktemp)
  # apt's progress is long; it is shown only when something goes wrong.
  if ! { "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq &&
         DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
           --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log"
    rm -f "$log"
    echo "Could not install: ${missing[*]}" >&2
    exit 1
  fi
  rm -f "$log"
fi
