"""A million energies through velmora.material(...).at() and through velmora-query in a pipe.

Run with the module importable (scripts/run --python bench/python_at.py QUERY, or PYTHONPATH set to
a build's python/ folder), QUERY being a velmora-query of the same build. Prints the best of a few
runs of each; the pipe includes writing the energies as text and reading the results back into
NumPy arrays, which is what a script calling velmora-query has to do.
"""
import io
import subprocess
import sys
import time

import numpy as np
import velmora

ENERGIES = 1_000_000
RUNS = 5


def best_seconds(call, runs=RUNS):
    best = float("inf")
    for _ in range(runs):
        start = time.perf_counter()
        call()
        best = min(best, time.perf_counter() - start)
    return best


def through_query(query, material, energies):
    text = "\n".join(map(repr, energies.tolist())).encode()
    done = subprocess.run([query, "at", material, "--format", "csv"], input=text,
                          capture_output=True, check=True)
    return np.loadtxt(io.BytesIO(done.stdout), delimiter=",", skiprows=1, unpack=True)


def main():
    query = sys.argv[1] if len(sys.argv) > 1 else "velmora-query"
    name = "water, liquid"
    material = velmora.material(name)
    energies = 10 ** np.random.default_rng(1).uniform(-2, 3, ENERGIES)
    module = best_seconds(lambda: material.at(energies))
    start = time.perf_counter()
    piped = through_query(query, material.file, energies)
    pipe = time.perf_counter() - start
    same = all(np.array_equal(a, b) for a, b in zip(material.at(energies), piped))
    print(f"{ENERGIES} energies in {material.name}:")
    print(f"  velmora module at():      {module * 1000:8.1f} ms (best of {RUNS})")
    print(f"  velmora-query in a pipe:  {pipe * 1000:8.1f} ms (text out and back, one run)")
    print(f"  ratio: {pipe / module:.0f}x; the same doubles: {same}")


if __name__ == "__main__":
    main()
