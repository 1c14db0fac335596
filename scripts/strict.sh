# Sourced by every script (not run on its own): stop at the first failure,
# and say which command failed, in which file and on which line, so that a
# failure after half an hour of building never ends in silence.
set -Eeuo pipefail

report_failure() { # status line command
    echo "${BASH_SOURCE[1]##*/}: line $2: '$3' failed (exit status $1)" >&2
}
trap 'report_failure "$?" "$LINENO" "$BASH_COMMAND"' ERR
