#!/usr/bin/env bash
# Builds the Debian package (build-package/pictavo_<version>_<arch>.deb) and shows its
# contents and control data. Run as root, it also installs the package with apt,
# checks that the installed programs start (the editor offscreen, in a scratch home),
# and removes it again unless a pictavo package was installed before.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --package
build=build-package
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Packing builds only what is installed, not the tests.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  "${launcher[@]}" >/dev/null
if ! cmake --build "$build" --target pictavo pictavo-cli pictavo_man_pages >"$build/build.log" 2>&1; then
  cat "$build/build.log"
  exit 1
fi
rm -f "$build"/pictavo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/pictavo_*.deb)
echo "== $deb"
dpkg-deb -I "$deb"
echo "== contents"
dpkg-deb -c "$deb"

problems=0
problem() { echo "PROBLEM: $*" >&2; problems=$((problems + 1)); }
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for f in ./usr/bin/pictavo ./usr/bin/pictavo-cli ./usr/share/pictavo/pictav.ini \
         ./usr/share/pictavo/win95ico.reg ./usr/share/applications/pictavo.desktop \
         ./usr/share/metainfo/org.pictavo.pictavo.metainfo.xml \
         ./usr/share/icons/hicolor/48x48/apps/pictavo.png ./usr/share/man/man1/pictavo-cli.1.gz \
         ./usr/libexec/pictavo/pictavo-metafile; do
  grep -qx -- "$f" <<<"$contents" || problem "$f is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *libqt6widgets6* && "$depends" == *libc6* ]] ||
  problem "Depends does not come from the programs' libraries: $depends"

if [[ $(id -u) -ne 0 ]]; then
  echo "Not root: the package was built and inspected but not installed."
  exit $((problems > 0))
fi

installed_before=false
dpkg-query -W -f='${Status}' pictavo 2>/dev/null | grep -q 'install ok installed' && installed_before=true
# apt resolves the dependencies; a path must look like one (./ or /) to be taken as a file.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$deb")" >/dev/null
scratch=$(mktemp -d)
cleanup() {
  cd /
  rm -rf "$scratch"
  if ! $installed_before; then
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq pictavo >/dev/null && echo "Removed the package again."
  fi
}
trap cleanup EXIT
mkdir -p "$scratch/runtime" "$scratch/work"
chmod 700 "$scratch/runtime"
cd "$scratch/work"
/usr/bin/pictavo-cli --help >/dev/null || problem "the installed pictavo-cli does not start"
/usr/bin/pictavo-cli edit --color 0000FF --tool Fill --click 0,0 -o blue.ico >/dev/null &&
  [[ $(/usr/bin/pictavo-cli count blue.ico) == 1 ]] || problem "the installed pictavo-cli cannot edit"
if HOME="$scratch" XDG_CONFIG_HOME="$scratch/.config" XDG_DATA_HOME="$scratch/.local/share" \
   XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen PICTAVO_SCREENSHOT="$scratch/window.png" \
   timeout 60 /usr/bin/pictavo >"$scratch/run.log" 2>&1 && [[ -s "$scratch/window.png" ]] &&
   [[ -s "$scratch/.config/pictavo/pictav.ini" ]]; then
  echo "The installed editor started and kept its settings in ~/.config/pictavo."
else
  cat "$scratch/run.log" >&2
  problem "the installed editor did not come up"
fi
((problems == 0)) && echo "Package $deb built, inspected and installed."
exit $((problems > 0))
