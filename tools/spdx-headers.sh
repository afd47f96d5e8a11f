#!/bin/sh
# SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
# SPDX-License-Identifier: GPL-3.0-or-later

# Puts the licence header (SPDX-FileCopyrightText and SPDX-License-Identifier) at the top of
# every source file of the repository that lacks one, in the comment syntax of its kind.
# Running it again changes nothing.
#
#   tools/spdx-headers.sh           add the missing headers
#   tools/spdx-headers.sh --check   only list the files without one; exit 1 if there are any
#
# The copyright holder and year come from the version block's source. Files with no comment
# syntax or whose bytes matter as they are (pictures, fuzzer corpora, test data, the licence
# and the package's copyright file and changelog) are left alone; LICENSE covers them.
set -eu
cd "$(dirname "$0")/.."

check=0
[ "${1:-}" = "--check" ] && check=1

block=resources/version/vesk.version
year=$(sed -n 's/^LegalCopyright *= *© *\([0-9]\{4\}\).*/\1/p' "$block")
holder=$(sed -n 's/^CompanyName *= *//p' "$block" | sed 's/ *$//')
[ -n "$year" ] && [ -n "$holder" ] || { echo "no maker or year in $block" >&2; exit 2; }
copyright="SPDX-FileCopyrightText: $year $holder"

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files)
else
    files=$(find . -path './build*' -prune -o -path './.git' -prune -o -type f -print |
            sed 's|^\./||')
fi

# The comment syntax of a file: "prefix suffix licence", or nothing to leave it alone.
style() {
    case "$1" in
        LICENSE|*.png|fuzz/corpus/*|tests/data/*|resources/debian/*) ;;
        *.cpp|*.h) echo '// | GPL-3.0-or-later' ;;
        # Software-centre data carry a permissive licence of their own (metadata_license).
        *.metainfo.xml|*.metainfo.xml.in) echo '<!-- |--> CC0-1.0' ;;
        *.xml|*.xml.in) echo '<!-- |--> GPL-3.0-or-later' ;;
        *.md) echo '<!-- |--> GPL-3.0-or-later' ;;
        *.[1-9]) echo '.\" | GPL-3.0-or-later' ;;
        CMakeLists.txt|*/CMakeLists.txt|*.cmake|Makefile|*.mk|*.sh|.ci/*|*.desktop|*.desktop.in|\
        .gitignore|.clang-format|*.supp|*.version) echo '# | GPL-3.0-or-later' ;;
    esac
}

has_header() {
    head -n 12 "$1" | grep -q 'SPDX-License-Identifier:'
}

missing=0
for f in $files; do
    [ -f "$f" ] || continue
    s=$(style "$f")
    [ -n "$s" ] || continue
    has_header "$f" && continue
    missing=$((missing + 1))
    if [ $check = 1 ]; then
        echo "no licence header: $f"
        continue
    fi
    prefix=${s%%|*}
    rest=${s#*|}
    suffix=${rest% *}
    licence=${rest##* }
    tmp=$(mktemp "$f.XXXXXX")
    {
        first=$(head -n 1 "$f")
        skip=0
        # A shebang or an XML declaration stays the first line.
        case "$first" in
            '#!'*|'<?xml'*) printf '%s\n' "$first"; skip=1 ;;
        esac
        printf '%s%s%s\n' "$prefix" "$copyright" "${suffix:+ $suffix}"
        printf '%s%s%s\n' "$prefix" "SPDX-License-Identifier: $licence" "${suffix:+ $suffix}"
        # A blank line after the header, except where a blank line means something.
        case "$f" in
            *.[1-9]|*.desktop|*.desktop.in) ;;
            *) echo ;;
        esac
        tail -n +$((skip + 1)) "$f"
    } >"$tmp"
    chmod --reference="$f" "$tmp"
    mv "$tmp" "$f"
    echo "header added: $f"
done

if [ $check = 1 ] && [ $missing -gt 0 ]; then
    echo "$missing file(s) without a licence header; run tools/spdx-headers.sh" >&2
    exit 1
fi
exit 0
