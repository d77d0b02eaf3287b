#!/usr/bin/env bash
# Fetches and unpacks the upstream source of one of Debian's source packages, read through the
# system's own Debian entries in an apt configuration of its own, so that the system's sources
# and lists stay as they are.
#   cmake/debian-source.sh SOURCE=VERSION WORKDIR
# Prints the folder of the unpacked source.
set -euo pipefail
package=$1
work=$(realpath -m "$2")
apt="$work/apt"
mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/sources.d"
for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] && sed -e 's/^Types:.*/Types: deb-src/' "$f" > "$apt/sources.d/$(basename "$f")"
done
if [ -f /etc/apt/sources.list ]; then
    sed -n -e 's/^deb /deb-src /p' /etc/apt/sources.list > "$apt/sources.d/sources.list"
fi
apt_private=(-o Dir::Etc::sourcelist=/dev/null -o Dir::Etc::sourceparts="$apt/sources.d"
             -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache")
cd "$work"
apt-get "${apt_private[@]}" update >&2
apt-get "${apt_private[@]}" source --download-only "$package" >&2
archive=$(ls "$work/${package%%=*}"_*.orig.tar.*)
top=$(tar tf "$archive" | sed -n '1s|/.*||p')
tar xf "$archive"
realpath "$top"
