# shellcheck shell=bash
# Helpers shared by scripts/test, scripts/run and scripts/bench. Source it; do not run it.
#
#   tx_cleanup_push CMD...    run CMD when the script exits (last pushed runs first)
#   tx_tmpdir                 private temp folder in $TX_TMP, removed on exit
#   tx_as CMD...              run CMD as $TX_USER when that is set and we are root
#   tx_ensure_user NAME HOME  create an unprivileged system user if missing
#   tx_grant_access DIR       let $TX_USER reach and read DIR
#   tx_xvfb_start             private Xvfb on a free display in :90..:140, exports DISPLAY
#   tx_prefix_prepare DIR     create the Wine prefix DIR once (fonts, font replacement)
#   tx_wine_warm              persistent wineserver plus one idle Wine process;
#                             with TX_NO_WM=1 (private Xvfb) windows are left unmanaged
#   tx_wine_stop              kill every Wine process of $WINEPREFIX and its wineserver
#   tx_locale_ensure NAME     make the locale NAME (ja_JP.UTF-8) available, as root; non-zero if not
#   tx_fuzz_targets           names of the fuzz targets (tests/fuzz/NAME.cpp)
#   tx_fuzz NAME SECONDS      run one built fuzz target; non-zero on a finding

TX_NAME=${TX_NAME:-scripts}
TX_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TX_WINE=/usr/lib/wine/wine64
# Called directly: Debian's /usr/bin/wineserver wrapper adds -p0.
TX_WINESERVER=/usr/lib/wine/wineserver64
TX_FONTS_DIR=/usr/share/wine/fonts
TX_USER=""
TX_TMP=""
TX_NO_WM=""
TX_CLEANUP=()

tx_msg() { printf '%s: %s\n' "$TX_NAME" "$*" >&2; }
tx_die() { tx_msg "$*"; exit 1; }

# ---------------------------------------------------------------- cleanup

tx_cleanup_push() {
  TX_CLEANUP+=("$(printf '%q ' "$@")")
}

tx_run_cleanup() {
  local rc=$? i
  set +e
  trap - EXIT INT TERM HUP
  for ((i = ${#TX_CLEANUP[@]} - 1; i >= 0; i--)); do
    eval "${TX_CLEANUP[i]}" >/dev/null 2>&1
  done
  TX_CLEANUP=()
  exit "$rc"
}

trap tx_run_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

tx_tmpdir() {
  if [[ -z $TX_TMP ]]; then
    TX_TMP=$(mktemp -d /tmp/tastrix.XXXXXX)
    chmod 755 "$TX_TMP"
    tx_cleanup_push rm -rf "$TX_TMP"
  fi
}

# ---------------------------------------------------------------- users

tx_switching() { [[ -n $TX_USER && $(id -u) -eq 0 ]]; }

# Runs a command as $TX_USER (when root and TX_USER is set), keeping the environment
# but with that user's HOME, USER and LOGNAME and without root's runtime folders.
tx_as() {
  if tx_switching; then
    local uid gid home
    IFS=: read -r _ _ uid gid _ home _ < <(getent passwd "$TX_USER") ||
      tx_die "no user $TX_USER"
    setpriv --reuid="$uid" --regid="$gid" --init-groups -- \
      env -u XDG_RUNTIME_DIR -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME \
      -u XAUTHORITY -u DBUS_SESSION_BUS_ADDRESS \
      HOME="$home" USER="$TX_USER" LOGNAME="$TX_USER" "$@"
  else
    "$@"
  fi
}

tx_ensure_user() {
  local name=$1 home=$2
  if ! getent passwd "$name" >/dev/null; then
    tx_msg "creating user $name"
    useradd -r -m -d "$home" -s /usr/sbin/nologin -U "$name"
  fi
  if [[ ! -d $home ]]; then
    mkdir -p "$home"
    chown "$name:$name" "$home"
  fi
}

# Makes DIR reachable (search permission on every parent) and readable for $TX_USER.
tx_grant_access() {
  local dir=$1 d
  tx_switching || return 0
  if tx_as test -x "$dir" -a -r "$dir"; then
    return 0
  fi
  d=$dir
  while [[ $d != / ]]; do
    d=$(dirname "$d")
    if ! tx_as test -x "$d"; then
      tx_msg "granting search permission on $d to $TX_USER"
      if command -v setfacl >/dev/null 2>&1; then
        setfacl -m "u:$TX_USER:x" "$d"
      else
        chmod o+x "$d"
      fi
    fi
  done
  if ! tx_as test -x "$dir" -a -r "$dir"; then
    tx_msg "making $dir readable for $TX_USER"
    chmod -R go+rX "$dir"
  fi
}

# ---------------------------------------------------------------- Xvfb

# Starts a private Xvfb (never the user's display) and exports DISPLAY.
# -ac: the unprivileged test user connects without an authority file; -nolisten tcp
# keeps it to the local socket.
tx_xvfb_start() {
  local n pid i log
  tx_tmpdir
  for ((n = 90; n <= 140; n++)); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    log=$TX_TMP/xvfb-$n.log
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp -ac </dev/null >"$log" 2>&1 &
    pid=$!
    for ((i = 0; i < 200; i++)); do
      [[ -S /tmp/.X11-unix/X$n ]] && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    # The display is ours only if its lock names our server: a server of
    # another run that took the number a moment earlier also answers, while
    # ours is still on its way out.
    if [[ -S /tmp/.X11-unix/X$n ]] && kill -0 "$pid" 2>/dev/null &&
       [[ $(tr -d ' ' </tmp/.X$n-lock 2>/dev/null) == "$pid" ]] &&
       DISPLAY=:$n xdotool getdisplaygeometry >/dev/null 2>&1; then
      export DISPLAY=:$n
      TX_XVFB_PID=$pid
      tx_cleanup_push tx_xvfb_stop "$pid"
      return 0
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    # Another server may have taken this number in the meantime: try the next one.
  done
  [[ -n ${log:-} && -s $log ]] && cat "$log" >&2
  tx_die "could not start Xvfb on any display :90..:140"
}

tx_xvfb_stop() {
  local pid=$1 i
  kill "$pid" 2>/dev/null || return 0
  for ((i = 0; i < 50; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

# ---------------------------------------------------------------- Wine

tx_wine_env() {
  export WINEPREFIX=$1
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Creates the prefix DIR (as $TX_USER when switching) unless it is complete already.
# A prefix left half made by an interrupted run has no .tastrix-ready and is made anew.
tx_prefix_prepare() {
  local dir=$1 t0=$SECONDS
  tx_wine_env "$dir"
  [[ -f $dir/.tastrix-ready ]] && return 0
  if [[ -e $dir ]]; then
    tx_msg "removing incomplete Wine prefix $dir"
    tx_as "$TX_WINESERVER" -k >/dev/null 2>&1 || true
    rm -rf "$dir"
  fi
  tx_msg "creating Wine prefix $dir"
  tx_as mkdir -p "$dir" || tx_die "cannot create $dir"
  tx_as "$TX_WINE" wineboot -i </dev/null >/dev/null 2>&1 ||
    tx_die "wineboot failed for $WINEPREFIX"
  tx_as "$TX_WINESERVER" -w </dev/null >/dev/null 2>&1 || true
  [[ -d $dir/drive_c/windows/Fonts ]] || tx_die "prefix $dir has no drive_c/windows/Fonts"
  tx_as cp "$TX_FONTS_DIR"/* "$dir/drive_c/windows/Fonts/" ||
    tx_die "cannot copy fonts into $dir"
  tx_as "$TX_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
    /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif' /f </dev/null >/dev/null 2>&1 ||
    tx_die "cannot add the font replacement to $dir"
  tx_as "$TX_WINESERVER" -w </dev/null >/dev/null 2>&1 || true
  tx_as touch "$dir/.tastrix-ready"
  tx_msg "Wine prefix ready in $((SECONDS - t0)) s"
}

# Starts a persistent wineserver and one idle Wine process for $WINEPREFIX, so test
# processes neither start the server nor Wine's desktop and services each time.
# Everything gets /dev/null as stdio so nothing holds a caller's pipe open.
tx_wine_warm() {
  local i fifo
  tx_tmpdir
  tx_as "$TX_WINESERVER" -k </dev/null >/dev/null 2>&1 || true
  tx_cleanup_push tx_wine_stop
  tx_as "$TX_WINESERVER" -p </dev/null >/dev/null 2>&1 ||
    tx_die "cannot start wineserver for $WINEPREFIX"
  if [[ -n ${TX_NO_WM:-} ]]; then
    # Xvfb has no window manager. Windows managed by none make every hide or destroy of
    # a shown top-level window wait 2 s for the WM ("wait_for_withdrawn_state"), and
    # X keyboard input (xdotool) never gets focus. Unmanaged windows have neither issue.
    tx_as "$TX_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      </dev/null >/dev/null 2>&1 || tx_die "cannot set X11 Driver Managed=N in $WINEPREFIX"
  fi
  # The idle process: cmd waits on a FIFO that never delivers data; it connects to
  # the desktop, keeping Wine's desktop process alive between test processes.
  fifo=$TX_TMP/wine-idle.fifo
  rm -f "$fifo"
  mkfifo -m 600 "$fifo"
  tx_as "$TX_WINE" cmd /c 'set /p tastrix_idle=' <>"$fifo" >/dev/null 2>&1 &
  TX_WINE_IDLE_PID=$!
  # Wait until Wine answers: the first process also brings up its services.
  for ((i = 0; i < 3; i++)); do
    if tx_as "$TX_WINE" cmd /c exit 0 </dev/null >/dev/null 2>&1; then
      return 0
    fi
    sleep 1
  done
  tx_die "Wine does not start in $WINEPREFIX"
}

tx_wine_stop() {
  [[ -n ${WINEPREFIX:-} ]] || return 0
  tx_as "$TX_WINESERVER" -k </dev/null >/dev/null 2>&1 || true
  if [[ -n ${TX_WINE_IDLE_PID:-} ]]; then
    kill "$TX_WINE_IDLE_PID" 2>/dev/null || true
    wait "$TX_WINE_IDLE_PID" 2>/dev/null || true
    TX_WINE_IDLE_PID=""
  fi
  tx_as timeout 10 "$TX_WINESERVER" -w </dev/null >/dev/null 2>&1 || true
  return 0
}

# ---------------------------------------------------------------- locales

# Wine takes its ANSI code page from the locale of the process: ja_JP.UTF-8
# gives Shift-JIS (932). Generating a locale needs root and the locales package.
tx_locale_ensure() {
  local name=$1 charset=${1#*.}
  if locale -a 2>/dev/null | grep -qix "${name%%.*}.$(tr -d '-' <<<"$charset")"; then
    return 0
  fi
  [[ $(id -u) -eq 0 && -f /etc/locale.gen ]] && command -v locale-gen >/dev/null 2>&1 || return 1
  if grep -q "^# *$name $charset\$" /etc/locale.gen; then
    sed -i "s/^# *\($name $charset\)\$/\1/" /etc/locale.gen
  elif ! grep -q "^$name $charset\$" /etc/locale.gen; then
    echo "$name $charset" >>/etc/locale.gen
  fi
  tx_msg "generating the locale $name"
  locale-gen >/dev/null 2>&1 || return 1
  locale -a 2>/dev/null | grep -qix "${name%%.*}.$(tr -d '-' <<<"$charset")"
}

# ---------------------------------------------------------------- fuzzing

TX_FUZZ_DIR=$TX_REPO/build/fuzz

tx_fuzz_targets() {
  local source
  for source in "$TX_REPO"/tests/fuzz/*.cpp; do
    basename "$source" .cpp
  done
}

# Runs build/fuzz/fuzz_NAME for SECONDS from its seeds in tests/fuzz/NAME/ and
# what earlier runs found in build/fuzz/corpus/NAME/ (the seeds are never
# written to). A crash, a broken property, a leak or a slow input is a finding:
# it is kept in build/fuzz/findings/NAME/ and the run fails.
tx_fuzz() {
  local name=$1 seconds=$2 exe corpus findings log rc=0
  exe=$TX_FUZZ_DIR/fuzz_$name
  [[ -x $exe ]] || tx_die "no fuzz target $name (build the fuzz preset; targets: $(tx_fuzz_targets | tr '\n' ' '))"
  corpus=$TX_FUZZ_DIR/corpus/$name
  findings=$TX_FUZZ_DIR/findings/$name
  log=$TX_FUZZ_DIR/fuzz_$name.log
  mkdir -p "$corpus" "$findings"
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$exe" "$corpus" "$TX_REPO/tests/fuzz/$name" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" </dev/null >"$log" 2>&1 || rc=$?
  if ((rc != 0)); then
    tail -n 40 "$log" >&2
    tx_msg "fuzz target $name found a fault (exit $rc); inputs in $findings, log in $log"
    return 1
  fi
  printf 'fuzz %s: %s runs in %s s, no finding\n' "$name" \
    "$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")" "$seconds"
}
