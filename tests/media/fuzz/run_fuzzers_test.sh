#!/bin/sh
# scripts/run-fuzzers over fake fuzzers: slow units are reported and fail
# nothing, a crash fails the run, and a finding of an earlier run is not
# counted again.
set -eu
script="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/build/fuzz" "$dir/corpus"

# A fake libFuzzer program: leaves an artifact of the given kind, if any.
fake() {
  cat >"$dir/build/fuzz/fuzz_$1" <<SCRIPT
#!/bin/sh
for a in "\$@"; do case "\$a" in -artifact_prefix=*) prefix="\${a#-artifact_prefix=}";; esac; done
[ -n "$2" ] && : >"\${prefix}$2-0123abcd"
echo "#1000 DONE cov: 321 ft: 654 corp: 5/10b"
echo "stat::number_of_executed_units: 1000"
exit $3
SCRIPT
  chmod +x "$dir/build/fuzz/fuzz_$1"
  printf 'corpus=%s\ndict=\n' "$dir/corpus" >"$dir/build/fuzz/$1.target"
}

run() {
  FUZZ_SKIP_BUILD=1 FUZZ_BUILD="$dir/build" FUZZ_OUT="$dir/out" FUZZ_SECONDS=1 \
    FUZZ_TARGETS="$1" "$script" >"$dir/log" 2>&1
}

fail() {
  echo "FAIL: $1"
  cat "$dir/log"
  exit 1
}

fake slow slow-unit 0
fake crash crash 1
fake clean "" 0

run "slow clean" || fail "slow units failed the run"
grep -q "fuzz_slow: 1000 executions, 321 edges, 654 features, 0 findings, 1 slow units" "$dir/log" ||
  fail "slow units not reported apart"
if run "slow crash"; then fail "a crash passed"; fi
grep -q "fuzz_crash: .* 1 findings, 0 slow units (exit 1): FAILED" "$dir/log" || fail "crash not reported"
# Fixed: the fuzzer finds nothing now; the old artifact stays but is not counted.
fake crash "" 0
run "crash" || fail "an earlier run's finding was counted again"
# Every target the build describes, when none are named.
FUZZ_SKIP_BUILD=1 FUZZ_BUILD="$dir/build" FUZZ_OUT="$dir/out" FUZZ_SECONDS=1 "$script" >"$dir/log" 2>&1 ||
  fail "all targets"
[ "$(grep -c '^fuzz_' "$dir/log")" -eq 3 ] || fail "not every target ran"
echo "run-fuzzers: all checks passed"
