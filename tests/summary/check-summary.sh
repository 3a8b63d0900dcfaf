#!/usr/bin/env bash
# The summary's rules on made-up runs: a crash fails the cases it left unfinished (and loses
# them from the fault group), a skip is no pass and fails the run, a report or a run with no
# case in it fails; a run where all passed passes.
# Usage: check-summary.sh ROOT
source "$1/scripts/lib/summary.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/test-results"
put() { # put NAME STATUS LIST [OUTPUT]: the entry's listed cases and the CTest log of its run
    printf '%b' "$3" >"$dir/test-results/$1.list"
    printf '    Start 1: %s\n1/1 Test #1: %s ....%s   0.1 sec\n%b\n' "$1" "$1" "$2" "${4-}" \
        >"$dir/$1.log"
}
case_xml() { # case_xml NAME RESULT
    echo "<testcase name=\"$1\" status=\"run\" result=\"$2\" time=\"0\" classname=\"S\" />"
}
put crash '***Exception: SegFault' 'Faults.\n  Passed\n  Crashed\n  Unstarted\n' \
    '[ RUN      ] Faults.Passed\n[       OK ] Faults.Passed (2 ms)\n[ RUN      ] Faults.Crashed'
put skip '   Passed' 'S.\n  Passed\n  Skipped\n'
{ case_xml Passed completed && case_xml Skipped skipped; } >"$dir/test-results/skip.xml"
put empty '   Passed' ''
echo '<testsuites tests="0" failures="0" disabled="0" errors="0">' >"$dir/test-results/empty.xml"
put pass '   Passed' 'S.\n  Passed\n'
case_xml Passed completed >"$dir/test-results/pass.xml"
touch "$dir/nothing.log"
run() { # run ENTRY...: the lines of a run of the entries, and its status
    (for name in "$@"; do summary_add_ctest_run "$dir" "$dir/$name.log" "$name" 0; done
     summary_total; echo "status $?")
}
got=$(run crash; summary_faults "$dir" "$dir/crash.log"; run skip; run empty; run nothing; run; run pass)
expected='crash: 1 passed, 2 failed
tests: 1 passed, 2 failed
status 1
faults: 3 tried, 1 survived, 2 lost
skip: 1 passed, 0 failed, 1 skipped
tests: 1 passed, 0 failed, 1 skipped
status 1
empty: 0 passed, 1 failed
tests: 0 passed, 1 failed
status 1
nothing: 0 passed, 1 failed
tests: 0 passed, 1 failed
status 1
tests: 0 passed, 0 failed
status 1
pass: 1 passed, 0 failed
tests: 1 passed, 0 failed
status 0'
diff <(echo "$expected") <(echo "$got")
