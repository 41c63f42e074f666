#!/usr/bin/env python3
"""Checks of velmora-query as a program, run in a scratch folder that holds the bundled tables.

readme: every command of the README's "From the command line" section ("$ " lines of its sh
        blocks) prints exactly the lines shown after it.
json:   every subcommand's --format json output is one valid JSON document with the expected rows.

Usage: check_outputs.py readme|json VELMORA_QUERY SOURCE_DIR
"""
import json
import os
import re
import subprocess
import sys
import tempfile


def run(command, work, query):
    env = dict(os.environ, PATH=os.path.dirname(query) + os.pathsep + os.environ["PATH"])
    env.pop("XDG_DATA_HOME", None)
    env["HOME"] = work  # no user folder of the machine's user
    return subprocess.run(["bash", "-c", command], cwd=work, env=env, capture_output=True,
                          text=True, check=False)


def check_readme(query, source_dir, work):
    with open(os.path.join(source_dir, "README.md"), encoding="utf-8") as file:
        section = file.read().split("## From the command line", 1)[1].split("\n## ", 1)[0]
    examples = []
    for block in re.findall(r"```sh\n(.*?)```", section, re.S):
        for line in block.splitlines():
            if line.startswith("$ "):
                examples.append([line[2:], []])
            elif examples:
                examples[-1][1].append(line)
    if len(examples) < 3:
        sys.exit(f"expected at least three worked examples, found {len(examples)}")
    for command, expected in examples:
        result = run(command, work, query)
        if result.returncode != 0 or result.stdout.splitlines() != expected:
            sys.exit(f"README example failed: {command}\nstatus {result.returncode}\n"
                     f"stderr: {result.stderr}\nexpected:\n" + "\n".join(expected) +
                     "\nactual:\n" + result.stdout)
        print(f"ok: {command}")


def check_json(query, work):
    water = '"water, liquid"'
    cases = {
        f"velmora-query at {water} 0.01 1 1000 --format json": 3,
        f"velmora-query show {water} --format json --linear": 81,
        f"velmora-query energy-for-range {water} 0.5 --format json --digits 5": 1,
        f"velmora-query interval {water} --from 0.1 --to 1 --step 0.1 --format json": 10,
    }
    for command, rows in cases.items():
        result = run(command, work, query)
        document = json.loads(result.stdout)
        if document["material"] != "Water, liquid" or len(document["rows"]) != rows or any(
                len(row) != len(document["columns"]) for row in document["rows"]):
            sys.exit(f"unexpected JSON from {command}:\n{result.stdout}")
        print(f"ok: {command}")
    listing = json.loads(run("velmora-query materials --format json", work, query).stdout)
    names = [m["name"] for m in listing["materials"]]
    if len(names) != 279 or "Water, liquid" not in names or listing["particle"] != "positron":
        sys.exit("unexpected materials listing")
    print("ok: velmora-query materials --format json")


def main():
    mode, query, source_dir = sys.argv[1], os.path.abspath(sys.argv[2]), sys.argv[3]
    with tempfile.TemporaryDirectory(prefix="velmora-query-") as work:
        for folder in ("p_QRV", "p_STC"):
            os.symlink(os.path.join(source_dir, "data", folder), os.path.join(work, folder))
        if mode == "readme":
            check_readme(query, source_dir, work)
        else:
            check_json(query, work)


if __name__ == "__main__":
    main()
