"""The README's worked example runs with Debian's python3 and prints what the README shows."""
import os
import re
import subprocess
import sys

from conftest import SOURCE_DIR


def test_the_readme_example_draws_the_png_and_prints_its_lines(tmp_path):
    readme = (SOURCE_DIR / "README.md").read_text()
    section = readme.split("## From Python\n", 1)[1].split("\n## ", 1)[0]
    code, printed = re.findall(r"```(?:python|text)\n(.*?)```", section, re.S)[:2]
    done = subprocess.run([sys.executable, "-c", code], cwd=tmp_path, capture_output=True,
                          text=True, env=dict(os.environ, MPLBACKEND="Agg"), check=False)
    assert done.returncode == 0, done.stderr
    assert done.stdout == printed
    picture = tmp_path / "csda-range.png"
    assert picture.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n" and picture.stat().st_size > 10000
