#!/usr/bin/env bash
# The release package is reproducible: Velmora.exe carries no link time, and two
# packagings of it, a second apart, give the same bytes.
#   reproducible.sh OBJDUMP EXE WORK_DIR
set -euo pipefail
objdump=$1 exe=$2 work=$3
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# A zero time stamp reads as the epoch.
stamp=$("$objdump" -p "$exe" | grep '^Time/Date' || true)
if [[ $stamp != *" 1970" ]]; then
    echo "Velmora.exe carries a link time: $stamp" >&2
    exit 1
fi
rm -rf "$work"
"$repo/scripts/package" --no-build --dist "$work/first" >/dev/null
sleep 1
"$repo/scripts/package" --no-build --dist "$work/second" >/dev/null
cmp "$work"/first/Velmora-*.zip "$work"/second/Velmora-*.zip
python3 - "$work"/first/Velmora-*.zip <<'PY'
import sys, zipfile
names = zipfile.ZipFile(sys.argv[1]).namelist()
expected = ["Velmora/LICENSE.txt", "Velmora/README-en.txt", "Velmora/README-ja.txt",
            "Velmora/SHA256SUMS", "Velmora/Velmora.exe"]
assert names == expected, names
PY
echo "package reproducible: $(basename "$work"/first/Velmora-*.zip)"
