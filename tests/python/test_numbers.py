"""The module's numbers are velmora-query's, bit for bit, for every bundled material."""
import csv
import io

import numpy as np
import pytest
import velmora

from conftest import query_output

PARTICLES = ["positron", "electron"]


def catalogue(particle):
    return velmora.materials(particle)


def csv_columns(data):
    """The columns of velmora-query's comma-separated output as float64 arrays."""
    rows = list(csv.reader(io.StringIO(data.decode())))[1:]
    return [np.array([float(row[k]) for row in rows]) for k in range(len(rows[0]))]


def same_bits(actual, expected):
    actual, expected = np.asarray(actual, dtype=np.float64), np.asarray(expected, dtype=np.float64)
    return actual.shape == expected.shape and np.array_equal(actual.view(np.int64),
                                                             expected.view(np.int64))


def probe_energies(material, seed):
    """A few hundred energies: every tabulated one and its neighbours, both ends, and random
    energies spread evenly in the logarithm."""
    rng = np.random.default_rng(seed)
    tabulated = material.energy
    energies = np.concatenate([
        [0.01, 1000.0], tabulated, np.nextafter(tabulated[1:], 0), np.nextafter(tabulated[:-1], 2000),
        10 ** rng.uniform(-2, 3, 150)])
    return energies[(energies >= 0.01) & (energies <= 1000)]


@pytest.mark.parametrize("particle", PARTICLES)
def test_catalogue_and_at_equal_the_command_line_for_every_material(particle):
    entries = catalogue(particle)
    listed = list(csv.reader(io.StringIO(
        query_output("materials", "--format", "csv", "--particle", particle).decode())))[1:]
    assert [[e.file, e.name, e.kind] for e in entries] == [row[:3] for row in listed]
    assert [(e.density, e.mean_excitation_energy) for e in entries] == [
        (float(row[3]), float(row[4])) for row in listed]
    for seed, entry in enumerate(entries):
        material = velmora.material(entry.file)
        assert (material.name, material.particle) == (entry.name, particle)
        energies = probe_energies(material, seed)
        text = " ".join(repr(e) for e in energies)
        for linear in (False, True) if seed % 3 == 0 else (False,):
            flags = ["--linear"] if linear else []
            expected = csv_columns(query_output("at", entry.file, "--format", "csv", *flags,
                                                stdin=text))
            actual = material.at(energies, linear=linear)
            for field, column in zip(actual, expected):
                assert same_bits(field, column), (entry.file, linear)
            if not linear and seed % 7 == 0:  # the whole table, for a sample of the materials
                shown = csv_columns(query_output("show", entry.file, "--format", "csv"))
                columns = [material.energy, material.collision, material.radiative,
                           material.total, material.csda_range]
                assert all(same_bits(a, b) for a, b in zip(columns, shown)), entry.file


def test_names_find_the_files_the_command_line_finds():
    for entry in catalogue("positron"):
        if "/" not in entry.name:  # a name holding a slash is a path, as on the command line
            assert velmora.material(entry.name).file == entry.file
    for name in ["kapton", "water liquid", "WATER, LIQUID", "Water liquid.stc", "lead",
                 "dichloro", "bone, comp"]:
        for particle in PARTICLES:
            shown = query_output("at", name, "--particle", particle, "1").decode().splitlines()[0]
            material = velmora.material(name, particle)
            assert shown == f"{material.name} ({particle}s, {material.file})"


@pytest.mark.parametrize("name", ["water, liquid", "lead", "kapton", "p_QRV/001 Hydrogen.qrv"])
def test_energy_for_range_equals_the_command_line_and_inverts_at(name):
    material = velmora.material(name)
    rng = np.random.default_rng(7)
    energies = np.sort(10 ** rng.uniform(-2, 3, 300))
    for linear in (False, True):
        ranges = material.at(energies, linear=linear).csda_range
        back = material.energy_for_range(ranges, linear=linear)
        np.testing.assert_allclose(back, energies, rtol=1e-12)
        assert np.all(np.diff(back) >= 0)
        flags = ["--linear"] if linear else []
        expected = csv_columns(query_output("energy-for-range", name, "--format", "csv", *flags,
                                            stdin=" ".join(map(repr, ranges))))
        assert same_bits(back, expected[1]), linear
    # A tabulated range gives its row's energy exactly.
    assert same_bits(material.energy_for_range(material.csda_range), material.energy)


INTERVALS = [("water, liquid", "0.01", "1000", "0.25"), ("lead", "0.1", "10", "0.1"),
             ("kapton", "1", "2", "0.5"), ("water, liquid", "5", "1", "-0.5"),
             ("p_QRV/079 Gold.qrv", "0.015", "0.1", "0.001")]


@pytest.mark.parametrize("name,start,stop,step", INTERVALS)
def test_interval_is_the_window_file_and_the_energy_querys_values(name, start, stop, step):
    material = velmora.material(name)
    window_csv = query_output("interval", name, "--from", start, "--to", stop, "--step", step,
                              "--format", "window-csv")
    assert material.interval_csv(start, stop, step) == window_csv
    assert material.interval_csv(float(start), float(stop), float(step)) == window_csv
    rows = material.interval(float(start), stop, float(step))
    assert len(rows.energy) == window_csv.count(b"\r\n") - 1
    # The window's rows hold the energy query's values at the rows' energies.
    inside = rows.energy >= 0.01
    values = material.at(rows.energy[inside])
    assert same_bits(rows.collision[inside], values.collision)
    assert same_bits(rows.radiative[inside], values.radiative)
    linear = material.interval(start, stop, step, linear=True)
    assert same_bits(linear.collision, rows.collision * material.density)
    assert same_bits(linear.energy, rows.energy)


def test_water_at_one_mev_gives_the_main_windows_four_numbers():
    values = velmora.material("water, liquid").at(1.0)
    assert isinstance(values.total, float)
    assert values == (1.0, 1.81, 0.0121, 1.822, 0.4398)  # row 30 of the table as it stands
