#!/usr/bin/env bash
# Starts the program as `scripts/setup run` does (packages already installed), lets the window
# probe find its window on the X server, picture it and close it, and passes on the program's
# exit status. Usage: RunProgram.sh <source top> <build folder> <window_probe> <picture.png>
set -u
top=$1 build=$2 probe=$3 picture=$4
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config ZD_SKIP_INSTALL=1 ZD_BUILD_DIR=$build
unset QT_QPA_PLATFORM SDL_VIDEODRIVER SDL_AUDIODRIVER
bash "$top/scripts/setup" run >"$home/run.log" 2>&1 &
pid=$!
if ! "$probe" Zudevivivoduv "$picture"; then
    kill "$pid" 2>/dev/null
    cat "$home/run.log"
    exit 1
fi
wait "$pid"
status=$?
echo "the program ended with status $status"
exit "$status"
