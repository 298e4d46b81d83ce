# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the packaging checks. Each check runs from ctest with
# SOURCE_DIR, BUILD_DIR and VERSION set, and fails at its first broken
# expectation, saying which.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

# A scratch folder with a space in its name, removed at exit.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tonquirl check.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# The files an install puts under its prefix, one path a line, sorted.
expected_files() {  # prefix
    sed "s|^|$1/|" "$SOURCE_DIR/tests/packaging/installed-files.txt" | sort
}

# The files and links found under a folder, as absolute paths below it.
files_under() {  # root, folder below the root
    (cd "$1" && find ".$2" -type f -o -type l) | sed 's|^\.||' | sort
}

expect_same_files() {  # what, expected, found
    [ "$2" = "$3" ] || fail "$1 differs from the expected files:
$(diff <(echo "$2") <(echo "$3"))"
}
