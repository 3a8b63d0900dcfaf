# Counts test cases across CTest runs. A googletest executable counts its cases (from its XML
# report); any other CTest entry, or an executable that died before writing its report,
# counts as one case. Sourced.

summary_passed=0
summary_failed=0

# summary_add_ctest_run BUILD_DIR CTEST_LOG LABEL CTEST_EXIT_STATUS
summary_add_ctest_run() {
    local dir=$1 log=$2 label=$3 ctest_status=$4 passed=0 failed=0
    local name status xml tests fails
    while read -r name status; do
        xml="$dir/test-results/$name.xml"
        if [ -f "$xml" ]; then
            # Disabled cases run only as the children of other cases: not counted.
            tests=$(($(_summary_attr "$xml" tests) - $(_summary_attr "$xml" disabled)))
            fails=$(($(_summary_attr "$xml" failures) + $(_summary_attr "$xml" errors)))
            # Passed cases count even when the process failed afterwards; the failure counts once.
            if [ "$status" != Passed ] && [ "$fails" -eq 0 ]; then
                fails=1
                tests=$((tests + 1))
            fi
            passed=$((passed + tests - fails))
            failed=$((failed + fails))
        elif [ "$status" = Passed ]; then
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
        fi
    done < <(sed -nE 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([^ ]+) \.*[* ]*([A-Za-z]+).*/\1 \2/p' "$log")
    # CTest failing (or stopped) with nothing counted as failed still fails the run.
    if [ "$ctest_status" -ne 0 ] && [ "$failed" -eq 0 ]; then
        failed=1
    fi
    echo "$label: $passed passed, $failed failed"
    summary_passed=$((summary_passed + passed))
    summary_failed=$((summary_failed + failed))
}

_summary_attr() {
    local value
    value=$(grep -o "<testsuites [^>]*" "$1" | grep -oE " $2=\"[0-9]+\"" | grep -oE '[0-9]+')
    echo "${value:-0}"
}

# summary_faults BUILD_DIR: the fault group's line, from the reports: each case of a suite
# named Faults... tries one fault and passes when the program survived it with nothing lost.
summary_faults() {
    local tried=0 lost=0 line
    while read -r line; do
        tried=$((tried + $(echo "$line" | grep -oE ' tests="[0-9]+"' | grep -oE '[0-9]+')))
        lost=$((lost + $(echo "$line" | grep -oE ' failures="[0-9]+"' | grep -oE '[0-9]+')))
    done < <(cat "$1"/test-results/*.xml 2>/dev/null | grep -oE '<testsuite name="Faults[^>]*')
    echo "faults: $tried tried, $((tried - lost)) survived, $lost lost"
}
