"""Shapes, dtypes and memory of the module's arrays, and calls from several threads at once."""
import ast
import gc
import threading
import time
from decimal import Decimal
from fractions import Fraction
from pathlib import Path

import numpy as np
import pytest
import velmora

ENERGIES = np.array([[0.01, 0.33, 1.0], [7.5, 120.0, 1000.0]])


@pytest.fixture(scope="module")
def water():
    return velmora.material("water, liquid")


def test_results_have_the_inputs_shape_and_float64(water):
    expected = water.at(ENERGIES.ravel())
    for energies in [ENERGIES, ENERGIES.tolist(), ENERGIES.reshape(3, 1, 2),
                     ENERGIES.astype(">f8"), np.asfortranarray(ENERGIES),
                     np.repeat(ENERGIES, 2, axis=1)[:, ::2],  # not contiguous
                     ENERGIES.astype(object), np.vectorize(Decimal)(ENERGIES.astype(str))]:
        result = water.at(energies)
        shape = np.shape(energies)
        for field, flat in zip(result, expected):
            assert field.dtype == np.float64 and field.shape == shape
            assert np.array_equal(field.ravel(), flat)
    for scalar in [1, 1.0, np.float32(0.5), np.int64(2), np.float64(3.0), Fraction(1, 2),
                   np.array(2.5)]:
        result = water.at(scalar)
        assert all(type(field) is float for field in result)
        assert result == tuple(field[0] for field in water.at([float(scalar)]))
    assert type(water.energy_for_range(1.0)) is float
    assert water.energy_for_range(np.full((2, 5), 1.0)).shape == (2, 5)
    rows = water.interval(1, 2, 0.25)
    assert [field.shape for field in rows] == [(5,)] * 3 and rows.energy.dtype == np.float64
    assert type(water.interval_csv(1, 2, 0.25)) is bytes


def test_results_are_fresh_arrays_apart_from_the_input(water):
    energies = np.array([1.0, 2.0])
    result = water.at(energies)
    result.total[0] = 0.0
    result.energy[1] = 5.0
    assert energies[1] == 2.0 and water.at(energies).total[0] == 1.822


def test_table_columns_are_read_only_views_that_outlive_the_material():
    material = velmora.material("lead")
    columns = [material.energy, material.collision, material.radiative, material.total,
               material.csda_range]
    density, copies = material.density, [np.array(c) for c in columns]
    assert all(c.shape == (81,) and c.dtype == np.float64 for c in columns)
    with pytest.raises(ValueError):
        columns[1][0] = 1.0
    with pytest.raises(ValueError):
        columns[0].setflags(write=True)
    del material
    gc.collect()
    velmora.material("water, liquid")  # memory reused if the columns had let go of it
    assert all(np.array_equal(c, copy) for c, copy in zip(columns, copies))
    assert (copies[0][0], copies[0][-1], density) == (0.01, 1000.0, 11.35)


def test_linear_units_use_the_density(water):
    lead = velmora.material("lead")
    energies = np.geomspace(0.01, 1000, 50)
    mass, linear = lead.at(energies), lead.at(energies, linear=True)
    for a, b in zip(linear[1:4], mass[1:4]):
        assert np.array_equal(a, b * lead.density)
    assert np.array_equal(linear.csda_range, mass.csda_range / lead.density)
    assert np.array_equal(linear.energy, energies)
    rows, linear_rows = lead.interval(1, 10, 1), lead.interval(1, 10, 1, linear=True)
    assert np.array_equal(linear_rows.collision, rows.collision * lead.density)
    assert np.array_equal(linear_rows.energy, rows.energy)
    assert lead.energy_for_range(lead.at(2.0, linear=True).csda_range, linear=True) == \
        pytest.approx(2.0, rel=1e-12)


def test_a_big_call_lets_other_threads_run_python_and_gives_every_thread_the_same_results():
    material = velmora.material("water, liquid")
    energies = np.geomspace(0.01, 1000, 4_000_000)
    expected = material.at(energies)
    window, ticks, results = {}, [], [None, None]

    def compute(slot):
        start = time.perf_counter()
        results[slot] = material.at(energies)
        window[slot] = (start, time.perf_counter())

    threads = [threading.Thread(target=compute, args=(slot,)) for slot in (0, 1)]
    for thread in threads:
        thread.start()
    while any(thread.is_alive() for thread in threads):
        ticks.append(time.perf_counter())  # Python running beside the computation
    for thread in threads:
        thread.join()
    for result in results:
        assert all(np.array_equal(a, b) for a, b in zip(result, expected))
    start, end = window[0]
    middle = (start + 0.25 * (end - start), end - 0.25 * (end - start))
    inside = sum(middle[0] < tick < middle[1] for tick in ticks)
    assert inside > 10, f"{inside} steps of Python during {end - start:.3f} s of computation"


def test_the_type_stub_names_what_the_module_has():
    stub = ast.parse((Path(velmora.__file__).parent / "__init__.pyi").read_text())
    classes = {node.name: node for node in stub.body if isinstance(node, ast.ClassDef)}
    functions = {node.name for node in stub.body if isinstance(node, ast.FunctionDef)}
    assert set(classes) | functions == set(velmora.__all__)
    methods = {node.name for node in classes["Material"].body if isinstance(node, ast.FunctionDef)}
    assert methods == {name for name in dir(velmora.Material) if not name.startswith("_")}
    for record in ("Quantities", "IntervalRows", "MaterialEntry", "Emitter", "EmitterSpectrum"):
        fields = [node.target.id for node in classes[record].body]
        assert tuple(fields) == getattr(velmora, record)._fields
    assert "name_or_path" in velmora.material.__doc__ and "Quantities" in velmora.Material.at.__doc__
