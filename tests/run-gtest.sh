#!/usr/bin/env bash
# Runs a GoogleTest executable after writing down the cases it is about to run: the XML report
# comes only at its end, and the summary fails every listed case that a crash or a time-out
# left without an outcome.
# Usage: run-gtest.sh REPORT COMMAND... (REPORT: test-results/NAME, without an extension)
report=$1
shift
mkdir -p "$(dirname "$report")"
"$@" --gtest_list_tests >"$report.list" </dev/null || exit 1
exec "$@" --gtest_output="xml:$report.xml" </dev/null
