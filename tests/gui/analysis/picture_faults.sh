#!/bin/sh
# mervan-batch histogram --picture faults. A name of no known picture kind is
# refused (exit status 2) before anything is written. On a full disk: a
# message, exit status 1, and the picture that was there before left as it
# was; the disk is a small tmpfs mounted in a mount namespace of its own,
# and without one that part is skipped (77).
#   picture_faults.sh MERVAN_BATCH
batch=$1
scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/disk"
seq 1 500 | sed 's/$/.5/' >"$scratch/sample.dat"

"$batch" histogram --intervals 10 --picture "$scratch/picture.bmp" "$scratch/sample.dat" \
    2>"$scratch/err"
status=$?
[ "$status" = 2 ] || { echo "picture.bmp: exit status $status, not 2"; exit 1; }
grep -q "needs a name ending in .png, .svg or .pdf" "$scratch/err" \
    || { echo "picture.bmp: no message:"; cat "$scratch/err"; exit 1; }
[ ! -e "$scratch/sample.OUT" ] && [ ! -e "$scratch/picture.bmp" ] \
    || { echo "picture.bmp: refused, yet files were written"; exit 1; }

inner='
disk=$1; batch=$2; data=$3
mount -t tmpfs -o size=64k tmpfs "$disk" || exit 77
for kind in png svg pdf; do
    printf "old picture\n" >"$disk/picture.$kind"
done
# Fill what is left of the disk.
dd if=/dev/zero of="$disk/fill" bs=1024 count=1000 2>/dev/null
for kind in png svg pdf; do
    "$batch" histogram --intervals 10 --picture "$disk/picture.$kind" "$data" \
        >/dev/null 2>"$disk/../err.$kind"
    status=$?
    [ "$status" = 1 ] || { echo "$kind: exit status $status, not 1"; exit 1; }
    grep -q "Cannot write the picture" "$disk/../err.$kind" \
        || { echo "$kind: no message:"; cat "$disk/../err.$kind"; exit 1; }
    [ "$(cat "$disk/picture.$kind")" = "old picture" ] \
        || { echo "$kind: the old picture was not kept"; exit 1; }
    [ -z "$(ls "$disk" | grep -v -e "^picture\." -e "^fill$")" ] \
        || { echo "$kind: left behind: $(ls "$disk")"; exit 1; }
done
echo "full disk: 3 picture kinds refused, old pictures kept"
'
for namespace in "unshare -m" "unshare -rm"; do
    if $namespace true 2>/dev/null; then
        exec $namespace sh -c "$inner" sh "$scratch/disk" "$batch" "$scratch/sample.dat"
    fi
done
echo "no mount namespace here; skipped"
exit 77
