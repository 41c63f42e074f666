"""What the tests of the Python module share: velmora-query of the same build and the tables."""
import os
import subprocess
from pathlib import Path

import pytest

SOURCE_DIR = Path(os.environ["VELMORA_SOURCE_DIR"])
DATA_DIR = SOURCE_DIR / "data"
QUERY = os.environ["VELMORA_QUERY"]


def run_query(*args, stdin="", cwd=DATA_DIR):
    """velmora-query's exit status, standard output (bytes) and standard error (text)."""
    done = subprocess.run([QUERY, *args], input=stdin.encode(), capture_output=True, cwd=cwd,
                          check=False)
    return done.returncode, done.stdout, done.stderr.decode()


def query_output(*args, stdin="", cwd=DATA_DIR):
    status, out, err = run_query(*args, stdin=stdin, cwd=cwd)
    assert status == 0, err
    return out


def query_refusal(*args, cwd=DATA_DIR):
    """The one line velmora-query refuses with, without its program name."""
    status, out, err = run_query(*args, cwd=cwd)
    assert status != 0 and out == b"" and err.startswith("velmora-query: "), (status, err)
    return err[len("velmora-query: "):].rstrip("\n")


@pytest.fixture(autouse=True)
def in_data_folder(monkeypatch):
    """Every test runs in the bundled data folder, as velmora-query does in a clone, with no
    user data folder to find."""
    monkeypatch.chdir(DATA_DIR)
    monkeypatch.setenv("XDG_DATA_HOME", "/nonexistent-velmora-test")
