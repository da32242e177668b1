#!/bin/bash
# Makes the rig's disc: make-medium's ISO image of a medium with stand-in installers, extracted
# into the folder behind the rig's cdrom drive.
set -euo pipefail

[ $# -eq 4 ] || { echo "usage: $0 MAKE_MEDIUM SETUP_EXE STUB_INSTALLER RIG_DIR" >&2; exit 2; }
MAKE_MEDIUM=$1
SETUP_EXE=$2
STUB=$3
RIG=$4

say() { echo "disc: $*" >&2; }
die() { echo "disc: error: $*" >&2; exit 1; }

command -v xorriso >/dev/null || die "'xorriso' not found; install package 'xorriso'"
[ -x "$MAKE_MEDIUM" ] || die "no make-medium at $MAKE_MEDIUM"

WORK=$RIG/disc-work
ISO=$RIG/disc.iso
# rig.sh points the cdrom drive at this folder.
DISC=$RIG/disc

# Extracted files keep the image's read-only modes, which rm would trip over.
remove() {
    if [ -e "$1" ]; then
        chmod -R u+w "$1"
        rm -rf "$1"
    fi
}

remove "$WORK"
mkdir -p "$WORK/installers"
paths=$("$MAKE_MEDIUM" --list-installers) || die "make-medium cannot list the installers"
for installer in $paths; do
    mkdir -p "$WORK/installers/$(dirname "$installer")"
    cp "$STUB" "$WORK/installers/$installer"
done

"$MAKE_MEDIUM" --setup "$SETUP_EXE" --iso "$ISO" --force "$WORK/installers" "$WORK/tree" ||
    die "make-medium failed with exit code $?"
[ -s "$ISO" ] || die "make-medium wrote no image at $ISO"

# From the image, not from the tree make-medium wrote beside it: the launcher runs from what a
# burnt disc would hold. The new files are put in place only once the extraction succeeded.
xorriso -osirrox on -indev "$ISO" -extract / "$WORK/extracted" >"$WORK/xorriso.log" 2>&1 ||
    die "xorriso could not extract $ISO, see $WORK/xorriso.log"
# The folder itself stays: the drive's link points at it while the rig runs.
mkdir -p "$DISC"
chmod -R u+w "$DISC"
find "$DISC" -mindepth 1 -delete
chmod u+w "$WORK/extracted"
find "$WORK/extracted" -mindepth 1 -maxdepth 1 -exec mv -t "$DISC" {} +
say "disc at $DISC, from $ISO: $(find "$DISC" -type f | wc -l) files"
