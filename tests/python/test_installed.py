"""cmake --install puts the package where Debian's python3 finds it, and the installed module
reads the tables installed beside it."""
import os
import shutil
import subprocess
import sys

import pytest

from conftest import DATA_DIR

BUILD_DIR = os.environ["VELMORA_BUILD_DIR"]
PYTHON_DIR = f"python3.{sys.version_info.minor}"


@pytest.mark.parametrize("prefix,package_dir", [
    ("/usr", "lib/python3/dist-packages"), ("/usr/local", f"lib/{PYTHON_DIR}/dist-packages")])
def test_the_installed_module_finds_the_installed_tables(tmp_path, prefix, package_dir):
    root = tmp_path / "root"
    subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", prefix, "--component", "Python"],
                   check=True, capture_output=True, env=dict(os.environ, DESTDIR=str(root)))
    installed = root / prefix.lstrip("/")
    # The tables as the whole install puts them (the other components need the whole build).
    for folder in ("p_QRV", "p_STC"):
        shutil.copytree(DATA_DIR / folder, installed / "share/velmora/data" / folder)
    package = installed / package_dir / "velmora"
    assert {"__init__.py", "__init__.pyi", "py.typed"} <= {p.name for p in package.iterdir()}
    assert any(p.name.startswith("_core.") and p.suffix == ".so" for p in package.iterdir())
    # Debian's python3 looks in this folder for the prefix's packages.
    paths = subprocess.run([sys.executable, "-c", "import sys; print(sys.path)"], check=True,
                           capture_output=True, text=True).stdout
    assert f"{prefix}/{package_dir}" in paths
    done = subprocess.run(
        [sys.executable, "-c", "import velmora; print(velmora.material('water, liquid').file)"],
        cwd=tmp_path, capture_output=True, text=True, check=False,
        env=dict(os.environ, PYTHONPATH=str(installed / package_dir)))
    assert done.returncode == 0, done.stderr
    assert done.stdout == f"{installed}/share/velmora/data/p_STC/Water liquid.stc\n"
