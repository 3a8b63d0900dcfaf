# Counts test cases across CTest runs. A GoogleTest entry counts the cases it listed before it
# ran them (tests/run-gtest.sh), each with its outcome from the XML report or, when the process
# died before writing it, from the process's output in the CTest log; a listed case with no
# outcome did not finish and failed. Any other CTest entry counts as one case. Sourced.

summary_passed=0
summary_failed=0
summary_skipped=0

# summary_add_ctest_run BUILD_DIR CTEST_LOG LABEL CTEST_EXIT_STATUS
summary_add_ctest_run() {
    local dir=$1 log=$2 label=$3 ctest_status=$4 passed=0 failed=0 skipped=0
    local name status p f s
    while read -r name status; do
        if [ -f "$dir/test-results/$name.list" ] || [ -f "$dir/test-results/$name.xml" ]; then
            read -r p f s < <(_summary_cases "$dir" "$log" "$name" | _summary_count)
            # A process that failed after its cases, or that ran none, fails once more.
            if { [ "$status" != Passed ] && [ "$f" -eq 0 ]; } || [ $((p + f + s)) -eq 0 ]; then
                f=$((f + 1))
            fi
        else
            p=0 f=0 s=0
            case $status in Passed) p=1 ;; Skipped) s=1 ;; *) f=1 ;; esac
        fi
        passed=$((passed + p)) failed=$((failed + f)) skipped=$((skipped + s))
    done < <(_summary_entries "$log")
    # CTest failing (or stopped) with nothing counted as failed, or running nothing, fails too.
    if { [ "$ctest_status" -ne 0 ] && [ "$failed" -eq 0 ]; } ||
        [ $((passed + failed + skipped)) -eq 0 ]; then
        failed=$((failed + 1))
    fi
    echo "$label: $(_summary_counts $passed $failed $skipped)"
    summary_passed=$((summary_passed + passed))
    summary_failed=$((summary_failed + failed))
    summary_skipped=$((summary_skipped + skipped))
}

# summary_total: the run's last line; succeeds only when cases ran and every one passed.
summary_total() {
    echo "tests: $(_summary_counts $summary_passed $summary_failed $summary_skipped)"
    [ "$summary_passed" -gt 0 ] && [ "$summary_failed" -eq 0 ] && [ "$summary_skipped" -eq 0 ]
}

# summary_faults BUILD_DIR CTEST_LOG: the fault group's line. Each case of a suite named
# Faults... tries one fault and survives it when it passes; one that did not run is lost.
summary_faults() {
    local name status t s tried=0 survived=0
    while read -r name status; do
        read -r t s < <(_summary_cases "$1" "$2" "$name" |
            awk '$2 ~ /^Faults/ { t++; s += $1 == "passed" } END { print t + 0, s + 0 }')
        tried=$((tried + t)) survived=$((survived + s))
    done < <(_summary_entries "$2")
    echo "faults: $tried tried, $survived survived, $((tried - survived)) lost"
}

_summary_counts() {
    echo "$1 passed, $2 failed$([ "$3" -eq 0 ] || echo ", $3 skipped")"
}

# CTest's result lines: "NAME STATUS" (Passed, Failed, Timeout, Exception, Not, Skipped).
_summary_entries() {
    sed -nE 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([^ ]+) \.*[* ]*([A-Za-z]+).*/\1 \2/p' "$1"
}

_summary_count() {
    awk '{ n[$1]++ } END { print n["passed"] + 0, n["failed"] + 0, n["skipped"] + 0 }'
}

# _summary_cases BUILD_DIR CTEST_LOG NAME: "passed|failed|skipped SUITE.CASE" for each case of
# the entry: listed ones fail until the log's output or the report (which wins) say otherwise;
# one the report names but did not run (disabled) is skipped.
_summary_cases() {
    local list="$1/test-results/$3.list" xml="$1/test-results/$3.xml" files=()
    if [ -f "$list" ]; then files+=("$list"); else list=; fi
    files+=("$2")
    [ -f "$xml" ] && files+=("$xml")
    awk -v list="$list" -v ctestlog="$2" -v name="$3" '
        function attr(key) {
            if (!match($0, " " key "=\"[^\"]*\"")) return ""
            return substr($0, RSTART + length(key) + 3, RLENGTH - length(key) - 4)
        }
        { sub(/\r$/, "") }
        FILENAME == list { if (/^[^ ]/) suite = $1; else if (NF) state[suite $1] = "failed"; next }
        FILENAME == ctestlog {
            if ($2 == "Test" && $3 ~ /^#[0-9]+:$/) shown = $4 == name
            else if ($1 == "Start" || / tests passed, /) shown = 0
            else if (shown && $1 == "[" && $3 == "]" && $5 ~ /^\(/)
                state[$4] = $2 == "OK" ? "passed" : $2 == "SKIPPED" ? "skipped" : "failed"
            next
        }
        /<testcase / {
            c = attr("classname") "." attr("name")
            state[c] = attr("status") == "run" && attr("result") != "skipped" ? "passed" : "skipped"
        }
        /<failure / { state[c] = "failed" }
        END { for (c in state) print state[c], c }' "${files[@]}"
}
