# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Shared by the tests of installed copies (sourced, not run): starting an
# installed program as a player would, and fingerprints of an installed tree.
# The sourcing script defines fail MESSAGE and sets work to its temporary
# folder, which must be reachable by the user nobody.

# Names, sizes, modes and contents of everything under a folder.
snapshot() {
    (cd "$1" && find . -printf '%p %s %m\n' | sort && find . -type f -exec md5sum {} + | sort)
}

# Permission bits do not stop root, so root runs the program as nobody. Sets
# runner, the command prefix for run_game, and hands the given folders (the
# player's home, say) to nobody.
runner=()
run_as_player() {
    [ "$(id -u)" -eq 0 ] || return 0
    if setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null; then
        chmod 755 "${work:?}"
        chown -R 65534:65534 "$@"
        runner=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    else
        echo "cannot drop root's privileges; the program runs as root" >&2
    fi
}

# run_game PROGRAM GAME_FOLDER [NAME=VALUE...]: runs PROGRAM from / on the
# offscreen platform with the given environment until its start-up is over,
# checks that it works in GAME_FOLDER, then ends it with SIGTERM as the desktop
# does at log-out; it must exit with status 0. A message box at start-up would
# keep the shutdown handler from being installed, and SIGTERM would then kill
# the program.
run_game() {
    local program=$1 folder=$2
    shift 2
    (cd / && exec env -u XDG_DATA_HOME QT_QPA_PLATFORM=offscreen "$@" \
        "${runner[@]}" "$program") >"$work/program.log" 2>&1 &
    local pid=$! ready=0
    for _ in $(seq 1 100); do # 100 polls 0.2 s apart: about 20 s
        local caught
        caught=$(sed -n 's/^SigCgt:\s*//p' "/proc/$pid/status" 2>/dev/null || true)
        if [ -n "$caught" ] && (((0x$caught >> 14) & 1)); then # SIGTERM is caught
            ready=1
            break
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    if [ "$ready" -ne 1 ]; then
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" || true
        cat "$work/program.log" >&2
        fail "the installed program did not finish its start-up"
    fi
    [ "$(readlink "/proc/$pid/cwd")" = "$(cd "$folder" && pwd -P)" ] ||
        fail "the program works in $(readlink "/proc/$pid/cwd"), not in $folder"
    kill -TERM "$pid"
    local code=0
    wait "$pid" || code=$?
    [ "$code" -eq 0 ] || { cat "$work/program.log" >&2; fail "the program exited with code $code"; }
}
