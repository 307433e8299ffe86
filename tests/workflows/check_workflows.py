"""Checks what actionlint does not, in .github/workflows of the current folder:
every action pinned to a full commit with its release as a comment (local
./ actions and docker:// images pinned by sha256 excepted), a top-level
permissions in every workflow that grants no writing (jobs ask for it), no
pull_request_target or workflow_run trigger (both run with the repository's
secrets on another's changes), and no event data (titles, bodies, branch
names) expanded by ${{ }} inside a run: script, where it would be read as
shell code. Prints each finding as file:line and exits 1 on any, or when
there is no workflow."""

import pathlib
import re
import sys

PINNED = re.compile(r"[\w.-]+/[\w./-]+@[0-9a-f]{40}\s+#\s*v\d+(\.\d+)*\s*$")
DOCKER = re.compile(r"docker://\S+@sha256:[0-9a-f]{64}(\s+#.*)?$")
USES = re.compile(r"\s*(-\s+)?uses:\s*(.*)$")
RUN = re.compile(r"(\s*)(-\s+)?run:")
TRIGGER = re.compile(r"\b(pull_request_target|workflow_run)\b")
EVENT_DATA = re.compile(r"\$\{\{[^}]*\b(github\.event\.|github\.head_ref)")


def indent(line):
    return len(line) - len(line.lstrip(" "))


def check(path):
    lines = path.read_text().splitlines()
    findings = []
    top = next((number for number, line in enumerate(lines, 1)
                if line.startswith("permissions:")), None)
    if top is None:
        findings.append(f"{path}:1: no top-level permissions")
    else:  # its block, up to the next top-level key, grants no writing
        for number in range(top, len(lines) + 1):
            line = lines[number - 1]
            if number > top and line[:1].isalpha():
                break
            if "write" in line.split("#")[0]:
                findings.append(f"{path}:{number}: top-level permissions that write")
    script = None  # the column of the run: key whose script this line is in
    for number, line in enumerate(lines, 1):
        where = f"{path}:{number}:"
        if script is not None and line.strip() and indent(line) <= script:
            script = None
        if run := RUN.match(line):
            script = len(run[1]) + len(run[2] or "")
        # GitHub expands ${{ }} before the shell sees the script, comments too.
        if script is not None and EVENT_DATA.search(line):
            findings.append(f"{where} event data expanded inside run:")
        code = "" if line.lstrip().startswith("#") else line.split(" #")[0]
        if trigger := TRIGGER.search(code):
            findings.append(f"{where} trigger {trigger[1]}")
        if uses := USES.match(line):
            action = uses[2].strip()
            if not (action.startswith("./") or PINNED.match(action)
                    or DOCKER.match(action)):
                findings.append(
                    f"{where} not pinned to a commit with its version: {action}")
    return findings


def main():
    files = sorted(pathlib.Path(".github/workflows").glob("*.y*ml"))
    if not files:
        print("No workflow files found")
        return 1
    findings = [finding for path in files for finding in check(path)]
    for finding in findings:
        print(finding)
    print(f"workflows check: {len(files)} workflow files, {len(findings)} findings")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
