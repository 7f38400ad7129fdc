# Sourced by the install and Windows checks: check WHAT COMMAND... runs COMMAND and counts it as
# passed or failed, naming WHAT on a failure. Set check_name first; print the totals at the end.
passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "$check_name: FAILED: $what" >&2
        failed=$((failed + 1))
    fi
}
