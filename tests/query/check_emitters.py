#!/usr/bin/env python3
"""Checks of velmora-query emitters as a program, in a scratch folder holding the bundled tables.

readme: every command of the README's "How far do positrons travel?" section ("$ " lines of its
        sh blocks) prints exactly the lines shown after it, and its figures for F-18 in water
        with electron tables are the literature's (Rmax 2.4 mm, Rmean 0.6 mm).
json:   the emitters outputs in JSON are valid documents with one object per nuclide or energy.

Usage: check_emitters.py readme|json VELMORA_QUERY SOURCE_DIR
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
    env["HOME"] = work  # no nuclide list of the machine's user
    return subprocess.run(["bash", "-c", command], cwd=work, env=env, capture_output=True,
                          text=True, check=False)


def check_readme(query, source_dir, work):
    with open(os.path.join(source_dir, "README.md"), encoding="utf-8") as file:
        section = file.read().split("## How far do positrons travel?", 1)[1].split("\n## ", 1)[0]
    examples = []
    for block in re.findall(r"```sh\n(.*?)```", section, re.S):
        for line in block.splitlines():
            if line.startswith("$ "):
                examples.append([line[2:], []])
            elif examples:
                examples[-1][1].append(line)
    materials = " ".join(command for command, _ in examples)
    for needed in ("F-18", "Ga-68", "water", "lung", "bone cortical", "--particle electron"):
        if needed not in materials:
            sys.exit(f"the worked example does not show {needed}")
    for command, expected in examples:
        result = run(command, work, query)
        if result.returncode != 0 or result.stdout.splitlines() != expected:
            sys.exit(f"README example failed: {command}\nstatus {result.returncode}\n"
                     f"stderr: {result.stderr}\nexpected:\n" + "\n".join(expected) +
                     "\nactual:\n" + result.stdout)
        print(f"ok: {command}")
    electrons = next(lines for command, lines in examples if "--particle electron" in command)
    f18 = next(line for line in electrons if line.startswith("F-18")).split()
    if (round(float(f18[-3]), 1), round(float(f18[-2]), 1)) != (2.4, 0.6):
        sys.exit(f"F-18 in water with electron tables is not Rmax 2.4 mm, Rmean 0.6 mm: {f18}")


def check_json(query, work):
    cases = {
        'velmora-query emitters "water, liquid" --format json': ("nuclides", 11),
        'velmora-query emitters lung F-18 ga68 --beyond 1mm --format json': ("nuclides", 2),
        'velmora-query emitters "water, liquid" F-18 --spectrum --format json': ("spectrum", 64),
    }
    for command, (key, count) in cases.items():
        result = run(command, work, query)
        document = json.loads(result.stdout)
        rows = document[key]
        if len(rows) != count or len({len(row) for row in rows}) != 1 or not document["material"]:
            sys.exit(f"unexpected JSON from {command}:\n{result.stdout}")
        print(f"ok: {command}")


def main():
    mode, query, source_dir = sys.argv[1], os.path.abspath(sys.argv[2]), sys.argv[3]
    with tempfile.TemporaryDirectory(prefix="velmora-emitters-") as work:
        for folder in ("p_QRV", "p_STC", "e_QRV", "e_STC"):
            os.symlink(os.path.join(source_dir, "data", folder), os.path.join(work, folder))
        if mode == "readme":
            check_readme(query, source_dir, work)
        else:
            check_json(query, work)


if __name__ == "__main__":
    main()
