#!/bin/sh
# mervan-batch histogram --picture faults. A name of no known picture kind is
# refused (exit status 2) before anything is written. A picture onto a link
# to a pipe, a read-only file or a folder is refused (exit status 1) with the
# target left as it was. Results that cannot reach standard output (a full
# device, a closed stream) fail the run. On a full disk: a
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

mkfifo "$scratch/pipe" && ln -s pipe "$scratch/pipe.png" && mkdir "$scratch/folder.pdf" \
    && printf "old picture\n" >"$scratch/locked.svg" && chmod 444 "$scratch/locked.svg" || exit 1
while IFS="|" read -r name reason; do
    "$batch" histogram --intervals 10 --picture "$scratch/$name" "$scratch/sample.dat" \
        >/dev/null 2>"$scratch/err"
    status=$?
    [ "$status" = 1 ] && grep -qF "Cannot write the picture \"$scratch/$name\": $reason" \
        "$scratch/err" || { echo "$name: exit status $status:"; cat "$scratch/err"; exit 1; }
done <<EOF
pipe.png|it is a link to the named pipe (FIFO) "$scratch/pipe".
locked.svg|it is read-only and was not replaced.
folder.pdf|it is a directory, not a file.
EOF
[ -p "$scratch/pipe" ] && [ -L "$scratch/pipe.png" ] && [ -z "$(ls "$scratch/folder.pdf")" ] \
    && [ "$(cat "$scratch/locked.svg")$(stat -c %a "$scratch/locked.svg")" = "old picture444" ] \
    || { echo "a refused target changed"; exit 1; }
# Without a runtime folder the console says nothing of it.
env -u XDG_RUNTIME_DIR "$batch" histogram --intervals 10 --picture "$scratch/fine.png" \
    "$scratch/sample.dat" >/dev/null 2>"$scratch/err" && [ ! -s "$scratch/err" ] \
    || { echo "a picture run without XDG_RUNTIME_DIR:"; cat "$scratch/err"; exit 1; }
for run in "t 0.05 10 >/dev/full" "t 0.05 10 >&-" "histogram --intervals 10 $scratch/sample.dat >&-"; do
    eval "\"\$batch\" $run" 2>"$scratch/err"
    status=$?
    [ "$status" = 1 ] && grep -q "cannot write the results to standard output" "$scratch/err" \
        || { echo "$run: exit status $status:"; cat "$scratch/err"; exit 1; }
done

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
