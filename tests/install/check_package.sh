#!/usr/bin/env bash
# Builds the Debian package and checks what it holds and what it depends on.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
deb="$(ls "$work"/sonavert_*.deb)"

depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 xdg-utils; do
  grep -q "$lib" <<<"$depends" || { echo "Depends lacks $lib: $depends"; exit 1; }
done
if [ -x "$build/app/kescvt" ]; then
  grep -q "libavcodec" <<<"$depends" || { echo "Depends lacks libavcodec: $depends"; exit 1; }
fi
# Nothing uses the filter library: it is neither linked nor a dependency.
if grep -q "libavfilter" <<<"$depends"; then echo "Depends has libavfilter: $depends"; exit 1; fi

contents="$(dpkg-deb -c "$deb")"
for path in ./usr/lib/sonavert/sonavert ./usr/lib/sonavert/snvc.html \
            ./usr/share/applications/com.kestrune.Sonavert.desktop \
            ./usr/share/metainfo/com.kestrune.Sonavert.metainfo.xml \
            ./usr/share/man/man1/sonavert.1.gz ./usr/share/man/man1/kescvt.1.gz \
            ./usr/share/doc/sonavert/copyright ./usr/share/doc/sonavert/changelog.gz; do
  grep -q " $path\$" <<<"$contents" || { echo "package lacks $path"; exit 1; }
done
grep -q "./usr/bin/sonavert -> ../lib/sonavert/sonavert" <<<"$contents" || { echo "no launcher link"; exit 1; }

# Unpacked into a scratch root, the program folder is complete and runnable.
dpkg-deb -x "$deb" "$work/root"
[ -x "$work/root/usr/lib/sonavert/sonavert" ]
if [ -x "$build/app/kescvt" ]; then
  "$work/root/usr/lib/sonavert/kescvt" -i /nonexistent >/dev/null 2>&1 && { echo "kescvt accepted a missing file"; exit 1; }
fi
# The package's version is the program's.
version="$(dpkg-deb -f "$deb" Version)"
"$work/root/usr/lib/sonavert/sonavert" --version | grep -qx "Sonavert $version" \
  || { echo "sonavert --version does not say $version"; exit 1; }

# What Debian's own checker holds against the package: no error.
lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 \
  || { cat "$work/lintian.txt"; echo "lintian found errors"; exit 1; }
echo "package ok: $(basename "$deb")"
