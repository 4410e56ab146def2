#!/usr/bin/env bash
# Builds the Debian package (build-package/pictavo_<version>_<arch>.deb), shows its
# contents and control data, and fails unless lintian finds nothing to warn about and
# hardening-check passes on the three programs. Run as root, it also installs the
# package with apt, checks that the installed programs start (the editor offscreen, in
# a scratch home) and that answering Yes to the association question leaves no file of
# the program's in that home, then purges the package again unless a pictavo package was
# installed before.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --package
build=build-package
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Packing builds only what is installed, not the tests, at -O2 as Debian builds (the
# debugging information is stripped from the package).
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  "${launcher[@]}" >/dev/null
if ! cmake --build "$build" --target pictavo pictavo-cli pictavo-metafile pictavo_man_pages \
     pictavo_changelog >"$build/build.log" 2>&1; then
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
         ./usr/libexec/pictavo/pictavo-metafile ./usr/share/doc/pictavo/copyright \
         ./usr/share/doc/pictavo/changelog.Debian.gz; do
  grep -qx -- "$f" <<<"$contents" || problem "$f is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *libqt6widgets6* && "$depends" == *libc6* ]] ||
  problem "Depends does not come from the programs' libraries: $depends"
[[ "$depends" == *xdg-utils* ]] || problem "Depends lacks xdg-utils, which the association runs: $depends"
changelog_version=$(sed -n '1s/^pictavo (\([^)]*\)).*/\1/p' data/debian/changelog)
[[ "$changelog_version" == "$(dpkg-deb -f "$deb" Version)" ]] ||
  problem "data/debian/changelog's latest entry ($changelog_version) is not the package's version"

echo "== lintian"
# --fail-on: errors and warnings fail; informational tags are only shown.
lintian --fail-on error,warning --info --display-info "$deb" || problem "lintian reports errors or warnings"

echo "== hardening-check"
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
# --nocfprotection: Debian 12's C start files (crt1.o) carry no IBT/SHSTK marking, so no
# program linked here gets it, however its own code is built (-fcf-protection).
for program in usr/bin/pictavo usr/bin/pictavo-cli usr/libexec/pictavo/pictavo-metafile; do
  hardening-check --nocfprotection "$unpacked/$program" || problem "hardening-check fails on /$program"
done
rm -rf "$unpacked"

if [[ $(id -u) -ne 0 ]]; then
  echo "Not root: the package was built and inspected but not installed."
  exit $((problems > 0))
fi

installed_before=false
dpkg-query -W -f='${Status}' pictavo 2>/dev/null | grep -q 'install ok installed' && installed_before=true
# apt resolves the dependencies; a path must look like one (./ or /) to be taken as a file.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$deb")" >/dev/null
scratch=$(mktemp -d)
purge() {
  if ! $installed_before && dpkg-query -W pictavo >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq pictavo >/dev/null && echo "Purged the package again."
  fi
}
trap 'cd /; rm -rf "$scratch"; purge' EXIT
home="$scratch/home" fresh="$scratch/fresh"
mkdir -p "$home/runtime" "$fresh" "$scratch/work"
chmod 700 "$home/runtime"
cd "$scratch/work"
# as_user HOME COMMAND...: COMMAND as a user with that home, on no screen; DISPLAY is set
# only so that xdg-open asks xdg-mime, and the editor saves a picture and closes.
as_user() {
  local h=$1
  shift
  env -u XDG_DATA_DIRS -u XDG_CONFIG_DIRS -u XDG_CURRENT_DESKTOP HOME="$h" XDG_CONFIG_HOME="$h/.config" \
    XDG_DATA_HOME="$h/.local/share" XDG_RUNTIME_DIR="$h/runtime" DISPLAY=:none QT_QPA_PLATFORM=offscreen \
    PICTAVO_SCREENSHOT="$h/window.png" PICTAVO_ANSWER=Yes timeout 60 "$@"
}
/usr/bin/pictavo-cli --help >/dev/null || problem "the installed pictavo-cli does not start"
/usr/bin/pictavo-cli edit --color 0000FF --tool Fill --click 0,0 -o blue.ico >/dev/null &&
  [[ $(/usr/bin/pictavo-cli count blue.ico) == 1 ]] || problem "the installed pictavo-cli cannot edit"

# Started as the menu starts it, the first time, answering Yes to the association question.
menu_command=$(sed -n 's/^Exec=\(.*\) %f$/\1/p' /usr/share/applications/pictavo.desktop)
if as_user "$home" "$menu_command" >"$scratch/run.log" 2>&1 && [[ -s "$home/window.png" ]] &&
   [[ -s "$home/.config/pictavo/pictav.ini" ]] && grep -q 'message box "Make Default?"' "$scratch/run.log"; then
  echo "The installed editor started from its menu entry, asked about .ico files, and kept its settings in ~/.config/pictavo."
else
  cat "$scratch/run.log" >&2
  problem "the installed editor did not come up"
fi
left=$(cd "$home" && find . -name '*.desktop')
[[ -z "$left" ]] || problem "the association left desktop entries in the home: $left"
[[ $(as_user "$home" xdg-mime query default image/x-icon) == pictavo.desktop ]] ||
  problem "Yes did not make the installed entry the opener of .ico files"
rm -f "$home/window.png"
if as_user "$home" xdg-open "$PWD/blue.ico" >"$scratch/open.log" 2>&1 && [[ -s "$home/window.png" ]]; then
  echo "xdg-open opened an .ico file with the installed editor; the home holds no desktop entry."
else
  problem "xdg-open did not open an .ico file with the editor: $(cat "$scratch/open.log")"
fi

purge
if ! $installed_before; then
  # What the user's home keeps must not change how .ico files open once the package is gone.
  opener=() opened=()
  for user in "$home" "$fresh"; do
    opener+=("$(as_user "$user" xdg-mime query default image/x-icon)")
    exit_code=0
    as_user "$user" xdg-open "$PWD/blue.ico" >/dev/null 2>&1 || exit_code=$?
    opened+=("$exit_code")
  done
  [[ "${opener[0]}" == "${opener[1]}" && "${opened[0]}" == "${opened[1]}" ]] ||
    problem "after the purge .ico files open differently: ${opener[0]} (exit ${opened[0]}), a new user ${opener[1]} (exit ${opened[1]})"
  echo "After the purge, .ico files open as for a new user: ${opener[1]:-no default} (xdg-open exit ${opened[1]})."
fi
((problems == 0)) && echo "Package $deb built, inspected, installed and checked."
exit $((problems > 0))
