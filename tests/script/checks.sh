# shellcheck shell=bash
# What the script tests share. Source it: check WHAT EXPECTED ACTUAL prints one
# line per check and counts failures; checks_done ends the script with them.
failures=0
check() {
  if [[ $2 == "$3" ]]; then
    echo "ok   $1: $3"
  else
    echo "FAIL $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  fi
}
checks_done() {
  ((failures == 0)) || { echo "$failures check(s) failed"; exit 1; }
}
# A scratch folder to work in, removed when the script ends.
enter_scratch() {
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cd "$work"
}
