# Sourced by every script (not run on its own): stop at the first failure,
# and say which command failed, in which file and on which line, so that a
# failure after half an hour of building never ends in silence.
set -Eeuo pipefail

report_failure() { # status line command
    local command=${3%%$'\n'*} # the first line of a long command is enough
    if [ "$command" != "$3" ] || [ ${#command} -gt 100 ]; then command="${command:0:100} ..."; fi
    echo "${BASH_SOURCE[1]##*/}: line $2: '$command' failed (exit status $1)" >&2
}
trap 'report_failure "$?" "$LINENO" "$BASH_COMMAND"' ERR
