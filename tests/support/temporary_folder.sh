#!/usr/bin/env bash
# The suite's temporary folder, which every test gets as TMPDIR.
#   temporary_folder.sh empty FOLDER RUNTIME_FOLDER
#     before the first test: FOLDER emptied, and Qt's run-time folder made
#     afresh (private to the user, as Qt wants it).
#   temporary_folder.sh check FOLDER
#     after the last test: fails, listing them, when tests left anything in
#     FOLDER. What is listed stays there to be looked at until the next run.
set -euo pipefail
verb=$1 folder=$2

remove() {
    # A test may have left a folder without write or read permission.
    chmod -R u+rwx "$1" 2>/dev/null || true
    rm -rf "$1"
}

case "$verb" in
empty)
    remove "$folder"
    mkdir -p "$folder"
    remove "$3"
    mkdir -p "$3"
    chmod 0700 "$3"
    ;;
check)
    [ -d "$folder" ] || { echo "no temporary folder $folder: was the suite started?"; exit 1; }
    left=()
    while IFS= read -r -d '' entry; do
        left+=("${entry#./}")
    done < <(cd "$folder" && find . -mindepth 1 -print0 | sort -z)
    if [ ${#left[@]} -gt 0 ]; then
        echo "The tests left ${#left[@]} entries in $folder:"
        # Quoted as the shell reads them: a name that is not UTF-8 shows its bytes.
        for entry in "${left[@]}"; do
            if [ -d "$folder/$entry" ]; then printf '  %q/\n' "$entry"; else printf '  %q\n' "$entry"; fi
        done
        exit 1
    fi
    echo "The tests left nothing in $folder."
    ;;
*)
    echo "usage: $0 empty FOLDER RUNTIME_FOLDER | check FOLDER" >&2
    exit 2
    ;;
esac
