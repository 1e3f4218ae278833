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
#   tx_process_trace_start    record process starts, deaths and fatal signals (as root, ftrace)
#   tx_process_trace_report   print the failed starts and early deaths recorded
#   tx_locale_ensure NAME     make the locale NAME (ja_JP.UTF-8) available, as root; non-zero if not
#   tx_print_server           CUPS with the PDF printers the tests print to, as root; sets TX_PDF_FOLDER
#   tx_fuzz_targets           names of the fuzz targets (tests/fuzz/NAME.cpp)
#   tx_fuzz NAME SECONDS      run one built fuzz target; non-zero on a finding

TX_NAME=${TX_NAME:-scripts}
TX_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TX_WINE=$TX_REPO/cmake/wine
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
  # A prefix made before Wine's 32-bit half was installed has no 32-bit system: made anew too.
  [[ -f $dir/.tastrix-ready ]] && { [[ -f $dir/drive_c/windows/syswow64/kernel32.dll ]] || ! tx_runs_32_bit; } && return 0
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

# ---------------------------------------------------------------- process trace

# While the Wine suites run, the kernel keeps a record of every process made,
# program started, exit and fatal signal, in a trace buffer of its own (ftrace;
# root only, nothing is stopped or slowed as under a debugger). A Wine process
# that dies while it starts takes its cause with it: Wine tells the parent only
# "internal error" (1359), and a test process that never starts prints nothing.
# When a suite fails, tx_process_trace_report prints what the record holds of
# such deaths. Without tracefs nothing is recorded and nothing is printed.
TX_PROCESS_TRACE=""
# Starts the record, or empties it when it runs.
tx_process_trace_start() {
  local t=/sys/kernel/tracing e
  if [[ -n $TX_PROCESS_TRACE ]]; then
    echo >"$TX_PROCESS_TRACE/trace"
    return 0
  fi
  [[ $(id -u) -eq 0 ]] || return 0
  [[ -d $t/instances ]] || mount -t tracefs nodev "$t" 2>/dev/null || return 0
  t=$t/instances/tastrix-$$
  mkdir "$t" 2>/dev/null || return 0
  tx_cleanup_push rmdir "$t"
  tx_cleanup_push tx_process_trace_stop "$t"
  echo 32768 >"$t/buffer_size_kb" 2>/dev/null
  for e in sched/sched_process_fork sched/sched_process_exec syscalls/sys_enter_exit_group signal/signal_generate \
    syscalls/sys_exit_clone syscalls/sys_exit_clone3 syscalls/sys_exit_fork syscalls/sys_exit_vfork \
    syscalls/sys_exit_execve; do
    [[ -d $t/events/$e ]] || continue
    case $e in
      # Wine signals its own threads all the time (suspend, APCs); only the fatal ones count.
      signal/*) echo 'sig != 10 && sig != 12 && sig != 14 && sig != 17 && sig != 23 && sig != 28' ;;
      syscalls/sys_exit_*) echo 'ret < 0' ;;
      *) echo 0 ;;
    esac >"$t/events/$e/filter" 2>/dev/null
    echo 1 >"$t/events/$e/enable" 2>/dev/null
  done
  echo 1 >"$t/tracing_on" 2>/dev/null && TX_PROCESS_TRACE=$t
}

tx_process_trace_stop() {
  echo 0 >"$1/tracing_on"
  echo >"$1/set_event"
}

# Prints, from the record so far, the processes that could not be made, the
# programs that could not be started, the Wine processes that ended within
# 50 ms of their start (the quickest real run takes about 80 ms) and the fatal
# signals delivered, each with the process that sent it.
tx_process_trace_report() {
  [[ -n $TX_PROCESS_TRACE ]] || return 0
  echo "== what the kernel saw of process starts and deaths"
  awk '
    # "COMM-PID (TGID) [CPU] FLAGS SECONDS: EVENT"
    !match($0, /^ *.+-[0-9]+ +\( *[0-9]+\) +\[[0-9]+\] +[^ ]+ +[0-9.]+: /) { next }
    {
      head = substr($0, 1, RLENGTH); event = substr($0, RLENGTH + 1)
      n = split(head, f, " "); sub(/:$/, "", f[n]); t = f[n] + 0
      pid = f[1]; sub(/^.*-/, "", pid)
    }
    event ~ /^sched_process_exec: filename=[^ ]*\/wine64 / { started[pid] = t; next }
    event ~ /^sys_exit_group/ && (pid in started) {
      if (t - started[pid] < 0.05) printf "Wine process ended %.3f s after its start: %s\n", t - started[pid], $0
      delete started[pid]; next
    }
    event ~ /^sys_exit_(clone3?|v?fork) ->/ { print "cannot make a process: " $0; next }
    # ENOENT and EACCES are searches: Wine trying its preloader (Debian ships none), a
    # driver looking along PATH.
    event ~ /^sys_execve ->/ && head ~ /(\.exe|wine)/ && event !~ /0xffffffffffffff(fe|f3)$/ { print "cannot start a program: " $0; next }
    event ~ /^signal_generate:/ && event ~ /sig=(1|2|4|6|7|8|9|11|13|15) .*res=0$/ { print "fatal signal: " $0 }
  ' "$TX_PROCESS_TRACE/trace" | tail -n 200
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

# ---------------------------------------------------------------- printing

# The tests print for real, through CUPS to a PDF printer (Debian's cups-pdf):
# TastrixPDF writes each job as NAME.pdf, NAME its job's name, into ~/PDF of
# the user who printed, under a configuration of its own (cups-pdf-tastrix.conf:
# no job number added to the name, nothing cut from it); TastrixRefuses is that
# printer refusing every job, as a printer fails once a job is sent to it.
# TastrixPDF is $TX_USER's default printer. The scheduler is started when none
# runs, and then stopped when the script ends. TX_PDF_FOLDER is where the PDFs
# of $TX_USER (or of the caller) land.
TX_PDF_FOLDER=""
TX_CUPS_PDF_CONF=/etc/cups/cups-pdf-tastrix.conf
tx_print_server() {
  local i user home ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd printer
  [[ $(id -u) -eq 0 ]] || return 1
  if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    /usr/sbin/cupsd -f </dev/null >/dev/null 2>&1 &
    tx_cleanup_push tx_print_server_stop "$!"
    for ((i = 0; i < 100; i++)); do
      lpstat -r 2>/dev/null | grep -q 'is running' && break
      sleep 0.1
    done
  fi
  lpstat -r 2>/dev/null | grep -q 'is running' || return 1
  printf '%s\n' 'Out ${HOME}/PDF' 'Label 0' 'Cut -1' 'TitlePref 1' 'Grp lpadmin' >"$TX_CUPS_PDF_CONF"
  for printer in TastrixPDF TastrixRefuses; do
    lpstat -v "$printer" 2>/dev/null | grep -q 'cups-pdf:/tastrix' ||
      lpadmin -p "$printer" -v cups-pdf:/tastrix -P "$ppd" -E 2>/dev/null || return 1
  done
  cupsaccept TastrixPDF && cupsenable TastrixPDF && cupsreject TastrixRefuses || return 1
  tx_as lpoptions -d TastrixPDF >/dev/null || return 1
  user=${TX_USER:-$(id -un)}
  home=$(getent passwd "$user" | cut -d: -f6)
  TX_PDF_FOLDER=$home/PDF
}

tx_print_server_stop() {
  kill "$1" 2>/dev/null
  wait "$1" 2>/dev/null
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

# ---------------------------------------------------------------- test steps
# The steps of scripts/test, in the order it runs them. Each adds its line to
# the summary; tx_test_summary prints it and fails when any step failed.
#
#   tx_test_select [-R REGEX]   only the tests (and fuzz targets) whose names match
#   tx_step_setup               install what is missing
#   tx_step_build PRESET...     configure and build each preset
#   tx_step_package             the release zip and installer, twice alike, checked
#   tx_step_native              the native suite
#   tx_step_fuzz                each fuzz target for TASTRIX_FUZZ_SECONDS (20)
#   tx_step_wine BUILD          a Windows build's suite under Wine, as the test user
#   tx_step_double_byte BUILD   its tests of names and encodings under Shift-JIS
#   tx_test_summary             the counts of every step; non-zero on any failure
#                               or any suite not run

TX_SELECT=()
TX_SUMMARY=()
TX_TOTAL_PASSED=0
TX_TOTAL_FAILED=0
TX_TOTAL_SKIPPED=0
TX_TESTS_OK=1
TX_TEST_USER=tastrixtest
TX_TEST_HOME=/var/lib/tastrixtest
# Ceiling for any test that sets no TIMEOUT of its own, so a hung window cannot stall the run.
TX_CTEST_TIMEOUT=${TASTRIX_TEST_TIMEOUT:-300}
TX_RUN_ENV=()

tx_test_select() {
  if [[ ${1:-} == -R ]]; then
    [[ -n ${2:-} ]] || tx_die "usage: scripts/test [-R REGEX]"
    TX_SELECT=(-R "$2")
  elif (($# > 0)); then
    tx_die "usage: scripts/test [-R REGEX]"
  fi
}

# A step that failed as a whole: one failure in the totals.
tx_step_failed() {
  TX_SUMMARY+=("$1")
  TX_TOTAL_FAILED=$((TX_TOTAL_FAILED + 1))
  TX_TESTS_OK=0
}

tx_step_setup() {
  bash "$TX_REPO/scripts/setup"
}

tx_step_build() {
  local preset
  for preset in "$@"; do
    echo "== build $preset"
    cmake --preset "$preset" || tx_die "configure of preset $preset failed"
    cmake --build --preset "$preset" -j2 || tx_die "build of preset $preset failed"
  done
}

# Prints "passed failed skipped" counted from a ctest JUnit file, or nothing
# when the file is missing (ctest broke off).
tx_junit_counts() {
  [[ -s $1 ]] || return 0
  local passed failed skipped
  passed=$(grep -c '<testcase .*status="run"' "$1" || true)
  failed=$(grep -c '<testcase .*status="fail"' "$1" || true)
  skipped=$(grep -cE '<testcase .*status="(notrun|disabled)"' "$1" || true)
  echo "$passed $failed $skipped"
}

tx_with_skipped() { if (($3 > 0)); then echo "$1 passed, $2 failed, $3 skipped"; else echo "$1 passed, $2 failed"; fi; }

# tx_record NAME JUNIT RC: adds one suite's counts. A suite without results
# (ctest broke off, or found no test) counts as one failure.
tx_record() {
  local name=$1 junit=$2 rc=$3 counts passed failed skipped
  counts=$(tx_junit_counts "$junit")
  if [[ -z $counts ]]; then
    tx_step_failed "$name: no test results (ctest exit $rc)"
    return
  fi
  read -r passed failed skipped <<<"$counts"
  TX_SUMMARY+=("$name: $(tx_with_skipped "$passed" "$failed" "$skipped")")
  TX_TOTAL_PASSED=$((TX_TOTAL_PASSED + passed))
  TX_TOTAL_FAILED=$((TX_TOTAL_FAILED + failed))
  TX_TOTAL_SKIPPED=$((TX_TOTAL_SKIPPED + skipped))
  # A selection may leave a suite without a test; a full run never does.
  if ((failed > 0 || rc != 0 || (passed == 0 && ${#TX_SELECT[@]} == 0))); then
    TX_TESTS_OK=0
  fi
}

# Packed twice: the zips and the installers must be alike byte for byte, and
# hold what they should.
tx_step_package() {
  local ok=1 first second
  echo "== release package"
  first=$(bash "$TX_REPO/scripts/package" | tail -n 4) || ok=0
  second=$(bash "$TX_REPO/scripts/package" | tail -n 4) || ok=0
  if [[ $first != "$second" ]]; then
    tx_msg "two packagings of the same sources differ: $(tr '\n' ' ' <<<"$first")/ $(tr '\n' ' ' <<<"$second")"
    ok=0
  fi
  if ((ok)) && bash "$TX_REPO/scripts/check-package" "$(sed -n 1p <<<"$first")" "$(sed -n 3p <<<"$first")"; then
    TX_SUMMARY+=("package: $(sed -n '1p;3p' <<<"$first" | xargs -n1 basename | tr '\n' ' ')reproducible, checks passed")
  else
    tx_step_failed "package: FAILED"
  fi
}

tx_step_native() {
  local junit rc=0
  echo "== native tests"
  tx_tmpdir
  junit=$TX_TMP/native.xml
  ctest --test-dir "$TX_REPO/build/native" --output-on-failure \
    --timeout "$TX_CTEST_TIMEOUT" --output-junit "$junit" "${TX_SELECT[@]}" || rc=$?
  tx_record native "$junit" "$rc"
}

tx_step_fuzz() {
  local seconds=${TASTRIX_FUZZ_SECONDS:-20} passed=0 failed=0 name
  echo "== fuzz targets, $seconds s each"
  while read -r name; do
    if ((${#TX_SELECT[@]} > 0)) && ! grep -qE -- "${TX_SELECT[1]}" <<<"fuzz_$name"; then
      continue
    fi
    if tx_fuzz "$name" "$seconds"; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
    fi
  done < <(tx_fuzz_targets)
  TX_SUMMARY+=("fuzz: $passed passed, $failed failed")
  TX_TOTAL_PASSED=$((TX_TOTAL_PASSED + passed))
  TX_TOTAL_FAILED=$((TX_TOTAL_FAILED + failed))
  if ((failed > 0 || (passed == 0 && ${#TX_SELECT[@]} == 0))); then
    TX_TESTS_OK=0
  fi
}

# ctest of a Windows build (win32, win64) under Wine, as the test user, in the
# environment tx_wine_suite sets up.
tx_ctest_wine() {
  local build=$1
  shift
  tx_as env -i "${TX_RUN_ENV[@]}" "${TX_SUITE_ENV[@]}" "$(command -v ctest)" --test-dir "$TX_REPO/build/$build" \
    --output-on-failure -j1 --timeout "$TX_CTEST_TIMEOUT" "$@" </dev/null
}

# tx_ctest_wine with the process record on; when a test fails, prints what
# the record holds of failed starts and early deaths.
tx_ctest_wine_recorded() {
  local rc=0
  tx_process_trace_start
  tx_ctest_wine "$@" || rc=$?
  ((rc == 0)) || tx_process_trace_report
  return "$rc"
}

# A small file system of its own in TX_SMALL_DISK, so the tests can fill a
# disk for real. Only root may mount one; without it (TX_SMALL_DISK empty)
# those tests are skipped.
TX_SMALL_DISK=""
tx_small_disk_mount() {
  local disk=$TX_TMP/small-disk
  [[ $(id -u) -eq 0 ]] || return 0
  mkdir -p "$disk"
  if mount -t tmpfs -o "size=1m,mode=0755,uid=$(id -u "$TX_TEST_USER"),gid=$(id -g "$TX_TEST_USER")" tmpfs "$disk" \
    2>/dev/null; then
    tx_cleanup_push umount "$disk"
    TX_SMALL_DISK=$disk
  else
    tx_msg "cannot mount a small disk: the full-disk tests are skipped"
  fi
}

# Whether this kernel runs 32-bit programs, and so Wine the shipped 32-bit one.
TX_RUNS_32_BIT=""
tx_runs_32_bit() {
  if [[ -z $TX_RUNS_32_BIT ]]; then
    TX_RUNS_32_BIT=no
    bash "$TX_REPO/scripts/setup" --probe-32 && TX_RUNS_32_BIT=yes
  fi
  [[ $TX_RUNS_32_BIT == yes ]]
}

# A suite that could not run: it counts as no pass, and the run fails.
TX_NOT_RUN=()
tx_step_not_run() {
  TX_SUMMARY+=("$1: NOT RUN: $2")
  TX_NOT_RUN+=("$1")
  TX_TESTS_OK=0
}

# What every Wine suite shares, made once: the test user (as root the tests
# run as the unprivileged user "tastrixtest", since Wine run by root ignores
# read-only files), the small disk, one locale, a private Xvfb, and the
# environment the tests get (TX_RUN_ENV, without WINEPREFIX).
TX_WINE_SESSION=""
tx_wine_session() {
  [[ -z $TX_WINE_SESSION ]] || return 0
  TX_WINE_SESSION=1
  tx_tmpdir
  if [[ $(id -u) -eq 0 ]]; then
    tx_ensure_user "$TX_TEST_USER" "$TX_TEST_HOME"
    TX_USER=$TX_TEST_USER
    chown "$TX_TEST_USER:" "$TX_TMP"
    tx_grant_access "$TX_REPO"
  fi
  tx_small_disk_mount
  tx_print_server || tx_msg "cannot start the print server with its PDF printers (needs root): the print tests are skipped"

  # One locale for the prefix, the services and the tests, whatever the caller's is.
  export LANG=C.UTF-8
  unset LANGUAGE LC_ALL LC_CTYPE LC_MESSAGES LC_NUMERIC LC_TIME LC_COLLATE LC_MONETARY

  tx_xvfb_start
  TX_NO_WM=1
  echo "Xvfb on $DISPLAY"

  if tx_switching; then
    TX_RUN_ENV=(HOME="$TX_TEST_HOME" USER="$TX_TEST_USER" LOGNAME="$TX_TEST_USER")
  else
    TX_RUN_ENV=(HOME="${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}")
  fi
  TX_RUN_ENV+=(
    PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/sbin:/usr/sbin:/sbin
    LANG=C.UTF-8
    DISPLAY="$DISPLAY"
    WINEDEBUG=-all
    WINEDLLOVERRIDES="mscoree,mshtml="
  )
  [[ -n ${CI:-} ]] && TX_RUN_ENV+=(CI="$CI")
  [[ -n $TX_SMALL_DISK ]] && TX_RUN_ENV+=(TASTRIX_SMALL_DISK="$TX_SMALL_DISK")
  [[ -n $TX_PDF_FOLDER ]] && TX_RUN_ENV+=(TASTRIX_PDF_FOLDER="$TX_PDF_FOLDER")
  tx_runs_32_bit || TX_RUN_ENV+=(TASTRIX_NO_32_BIT_PROGRAMS=1)
}

# tx_wine_suite BUILD PREFIX: makes the build's folder the test user's, and
# starts Wine warm in its prefix build/BUILD/PREFIX (one prefix per build and
# code page: a prefix keeps the code page it was made with), which
# TX_SUITE_ENV gives the tests.
TX_SUITE_ENV=()
tx_wine_suite() {
  local dir=$TX_REPO/build/$1
  tx_wine_session
  if tx_switching; then
    # The tests and ctest write into the build folder. The bench prefix stays with
    # whoever made it: Wine refuses a prefix owned by another user.
    find "$dir" -path "$dir/wineprefix-bench" -prune -o ! -user "$TX_TEST_USER" -exec chown -h "$TX_TEST_USER:" {} +
    tx_grant_access "$dir"
  fi
  tx_wine_stop
  tx_prefix_prepare "$dir/$2"
  # Wine keeps every shortcut that the tests' maps add to the recent documents
  # (one more "NAME (N).lnk" each time, where Windows replaces one): a run
  # starts without them.
  rm -f "$dir/$2"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Recent/*.lnk
  tx_wine_warm
  TX_SUITE_ENV=(WINEPREFIX="$WINEPREFIX")
}

# tx_step_wine BUILD: the Windows suite of that build under Wine. The shipped
# build is win32; where the kernel runs no 32-bit code, its suite is not run.
tx_step_wine() {
  local build=$1 junit rc=0
  echo "== $build tests under Wine"
  if [[ $build == win32 ]] && ! tx_runs_32_bit; then
    tx_msg "this kernel does not run 32-bit programs: the shipped 32-bit program is not tested"
    tx_step_not_run "$build" "this kernel does not run 32-bit programs"
    return
  fi
  tx_wine_suite "$build" wineprefix
  junit=$TX_TMP/$build.xml
  tx_ctest_wine_recorded "$build" --output-junit "$junit" "${TX_SELECT[@]}" || rc=$?
  tx_record "$build" "$junit" "$rc"
}

# tx_step_double_byte BUILD: the tests of names, encodings and the map file's
# reading again under Shift-JIS (code page 932), where the second byte of a
# character may be "\" or "]". Wine takes the code page from the locale.
TX_DOUBLE_BYTE_TESTS='^(NamesAndEncodings|AnyCharacter|MapFileText|MapFileReading)\.|^ExportCommand\.NamesBeyondTheCodePage'
tx_step_double_byte() {
  local build=$1 tests rc=0
  echo "== $build tests under a double-byte code page (ja_JP.UTF-8)"
  if [[ $build == win32 ]] && ! tx_runs_32_bit; then
    tx_step_not_run "$build Shift-JIS" "this kernel does not run 32-bit programs"
    return
  fi
  tx_wine_session
  mapfile -t tests < <(tx_ctest_wine "$build" -N "${TX_SELECT[@]}" | sed -n 's/^ *Test *#[0-9]*: //p' |
    grep -E "$TX_DOUBLE_BYTE_TESTS" || true)
  if ((${#tests[@]} == 0)); then
    echo "(none selected)"
  elif ! tx_locale_ensure ja_JP.UTF-8; then
    tx_msg "cannot make the locale ja_JP.UTF-8 (needs root): the double-byte tests did not run"
    tx_step_not_run "$build Shift-JIS" "no ja_JP.UTF-8 locale"
  else
    export LC_ALL=ja_JP.UTF-8
    tx_wine_suite "$build" wineprefix-ja
    TX_SUITE_ENV+=(LC_ALL=ja_JP.UTF-8 TASTRIX_EXPECTED_CODE_PAGE=932)
    tx_ctest_wine_recorded "$build" --output-junit "$TX_TMP/$build-ja.xml" \
      -R "^($(IFS='|'; echo "${tests[*]}"))\$" || rc=$?
    unset LC_ALL
    tx_record "$build Shift-JIS" "$TX_TMP/$build-ja.xml" "$rc"
  fi
}

tx_test_summary() {
  echo
  printf '%s\n' "${TX_SUMMARY[@]}"
  tx_with_skipped "$TX_TOTAL_PASSED" "$TX_TOTAL_FAILED" "$TX_TOTAL_SKIPPED"
  ((${#TX_NOT_RUN[@]} == 0)) || echo "not run, so not passed: $(IFS=,; sed 's/,/, /g' <<<"${TX_NOT_RUN[*]}")"
  ((TX_TESTS_OK))
}
