"""Two helpers for orca-session.sh, run with Debian's python3 (pyatspi lives there).

  session-helper.py orca ARGS...     Orca as installed, with ARGS
  session-helper.py said LOG OFFSET  what Orca's debug log says it spoke after
                                     byte OFFSET, one "time<TAB>kind<TAB>text"
                                     line each; kind is "key" for a key's echo
"""
import functools
import re
import sys
import types


def run_orca(args):
    launcher = types.ModuleType("orca_launcher")
    with open("/usr/bin/orca") as script:
        exec(compile(script.read(), "/usr/bin/orca", "exec"), launcher.__dict__)
    # The launcher takes every process of this user named "orca" for another
    # instance: it refuses to start beside one, and --replace elsewhere would
    # kill this one. Under its interpreter's name, this session stays apart.
    launcher.setProcessName = lambda name: False
    launcher.otherOrcas = lambda: []
    # Line-buffered, so the log shows what was spoken as soon as it was.
    launcher.open = functools.partial(open, buffering=1)
    sys.argv = ["orca"] + args
    return launcher.main()


# "12:00:01.123456 - SPEECH OUTPUT: 'text'{voice}", continuation lines indented
# by 18 spaces; a voice other than the default is named (" voice=system").
# A key's echo has a space before its voice: "'tab ' {voice}".
ENTRY = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)'(?: voice=\w+)?( ?)\{.*\}$", re.S)


def said(log, offset):
    with open(log, "rb") as f:
        f.seek(offset)
        text = f.read().decode("utf-8", "replace")
    entries = []
    for line in text.split("\n"):
        if line.startswith(" " * 18) and entries:
            entries[-1] += "\n" + line[18:]
        else:
            entries.append(line)
    for entry in entries:
        match = ENTRY.match(entry)
        if match:
            kind = "key" if match.group(3) else "speech"
            print(match.group(1), kind, match.group(2).replace("\n", "\\n").rstrip(), sep="\t")


if __name__ == "__main__":
    if len(sys.argv) >= 2 and sys.argv[1] == "orca":
        sys.exit(run_orca(sys.argv[2:]))
    if len(sys.argv) == 4 and sys.argv[1] == "said":
        said(sys.argv[2], int(sys.argv[3]))
        sys.exit(0)
    sys.exit(__doc__)
