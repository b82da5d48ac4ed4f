#!/usr/bin/env bash
# Installs Brelt into a temporary prefix and runs the installed program as a user would: nothing
# of the build tree may be needed any more. Usage: installed_program.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/brelt share/brelt/Brelt.CON share/brelt/Brelt.FNC share/man/man1/brelt.1 \
            share/applications/org.brelt.Brelt.desktop share/metainfo/org.brelt.Brelt.metainfo.xml \
            share/icons/hicolor/scalable/apps/org.brelt.Brelt.svg \
            share/bash-completion/completions/brelt; do
    [ -f "$prefix/$file" ] || fail "$file not installed"
done
if grep -aqF -e "$build" -e "$source" "$prefix/bin/brelt"; then
    fail "the installed program still names the build or source tree"
fi

# An installed program's folder is read-only: its files go to the user's data folder, and the
# shipped example functions come from share/brelt.
# Root may write anywhere, so then the program runs as nobody.
chmod -R a-w "$prefix"
chmod 755 "$work"
export HOME=$work/user XDG_DATA_HOME= BRELT_HOME=
mkdir -p "$HOME" "$work/out"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$HOME" "$work/out"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
cd "$work"
result=$("${as_user[@]}" "$prefix/bin/brelt" --eval 1+1 --eval "hyp(3,4)")
[ "$result" = $'2.0E+0\n5.0E+0' ] || fail "--eval gave: $result"
[ -d "$HOME/.local/share/Brelt" ] || fail "no home made in the user's data folder"
[ -z "$(ls -A "$HOME/.local/share/Brelt")" ] || fail "files copied into the new home"
"${as_user[@]}" "$prefix/bin/brelt" --plot "sin(X)" --from 0 --to 360 --out "$work/out/sine.png"
[ "$(head -c 8 "$work/out/sine.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "no PNG written"

# The manual page reads without warnings and lists every option of the help.
if command -v groff >/dev/null; then
    warnings=$(groff -man -ww -z "$prefix/share/man/man1/brelt.1" 2>&1)
    [ -z "$warnings" ] || fail "manual page warnings: $warnings"
fi
for option in $("$prefix/bin/brelt" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" "$prefix/share/man/man1/brelt.1" || fail "$option missing from the manual page"
done

# Completion: the fixed value sets, and the options from the program's help.
complete_words() {
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _brelt; echo "${COMPREPLY[*]}"' \
        _ "$prefix/share/bash-completion/completions/brelt" "$@"
}
[ "$(complete_words "$prefix/bin/brelt" --notation "")" = "scn fix eng sxg" ] || fail "notation values"
[ "$(complete_words "$prefix/bin/brelt" --base h)" = "hex" ] || fail "base values"
[ "$(complete_words "$prefix/bin/brelt" --ang)" = "--angle" ] || fail "option names"

# The desktop entry and the AppStream description, where the validators are installed.
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/org.brelt.Brelt.desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.brelt.Brelt.metainfo.xml" >/dev/null ||
        appstreamcli validate --no-net "$prefix/share/metainfo/org.brelt.Brelt.metainfo.xml"
fi
echo "installed program: all checks passed"
