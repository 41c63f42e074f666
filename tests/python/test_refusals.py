"""Every refusal is a ValueError in the command line's words; nothing returns NaN or crashes."""
import re
import shutil

import numpy as np
import pytest
import velmora

from conftest import DATA_DIR, query_refusal

WATER = "water, liquid"
NAN, INF = float("nan"), float("inf")
RANGE_OF_WATER = "is outside the range of Water, liquid: 0.01 MeV to 1000 MeV"


def refusal(call):
    with pytest.raises(ValueError) as raised:
        call()
    return str(raised.value)


def many_with(positions):
    energies = np.ones(200000)
    for k, value in positions.items():
        energies[k] = value
    return energies


# The energy look-up: what is asked for, and the message.
VALUE_CASES = [
    (2000, f"energy 2000.0 MeV {RANGE_OF_WATER}"),
    (np.nextafter(0.01, 0), f"energy 0.009999999999999998 MeV {RANGE_OF_WATER}"),
    ([1, 2, NAN, 5000], f"energy nan MeV (index 2) {RANGE_OF_WATER}"),
    ([0.5, -INF], f"energy -inf MeV (index 1) {RANGE_OF_WATER}"),
    (many_with({150000: INF, 50000: 0.0}), f"energy 0.0 MeV (index 50000) {RANGE_OF_WATER}"),
    (np.array([[1.0, 2, 3], [4, 5, 1e4]]), f"energy 10000.0 MeV (index (1, 2)) {RANGE_OF_WATER}"),
    ([], "no energy given: the array is empty"),
    (np.zeros((3, 0)), "no energy given: the array is empty"),
    ("1.5", '"1.5" is not a number'),
    (np.array(["2", "x"]), '"2" (index 0) is not a number'),
    (np.array([[1.0, "1"]], dtype=object), '"1" (index (0, 1)) is not a number'),
    (np.array([1.0, None], dtype=object), "energies must be real numbers: None (index 1) is not one"),
    ([True, False], "energies must be real numbers, not bool"),
    (1 + 2j, "energies must be real numbers, not complex128"),
    ([[1.0], [1.0, 2.0]], "energies must be real numbers: setting an array element with a "
                          "sequence."),
]


@pytest.mark.parametrize("energies,message", VALUE_CASES)
def test_refused_energies(energies, message):
    assert refusal(lambda: velmora.material(WATER).at(energies)).startswith(message)


def test_refused_ranges_end_as_the_command_lines():
    water = velmora.material(WATER)
    for linear, unit_flags in ((False, []), (True, ["--linear"])):
        for value in ["1e9", "1e-12"]:
            expected = query_refusal("energy-for-range", WATER, *unit_flags, value)
            message = refusal(lambda: water.energy_for_range([1.0, float(value)], linear=linear))
            unit = "cm" if linear else "g/cm2"
            assert message.startswith(f"range {float(value)!r} {unit} (index 1) is outside")
            assert message.split(") ", 1)[1] == expected.split(") ", 1)[1]
    assert refusal(lambda: water.energy_for_range(NAN)).startswith("range nan g/cm2 is outside")
    assert refusal(lambda: water.energy_for_range([])) == "no range given: the array is empty"


# Broken copies of water: a data line cut short, and two rows with the same csda range.
def broken_copies(folder):
    (folder / "p_STC").mkdir()
    lines = (DATA_DIR / "p_STC" / "Water liquid.stc").read_text().splitlines(keepends=True)
    short = lines[:39] + [lines[39][:12] + "\n"] + lines[40:]
    flat = list(lines)
    flat[40] = lines[40][:lines[40].rfind(" ")] + lines[39][lines[39].rfind(" "):]
    (folder / "p_STC" / "Short.stc").write_text("".join(short))
    (folder / "p_STC" / "Flat.stc").write_text("".join(flat))
    return folder / "p_STC" / "Short.stc", folder / "p_STC" / "Flat.stc"


def in_module_words(message):
    """velmora-query's message with its options named as the module's arguments."""
    for option, argument in (("--data-dir", "data_dir"), ("--particle", "particle"),
                             ("velmora-query materials", "velmora.materials()"),
                             ("; see --help", "")):
        message = message.replace(option, argument)
    return message


def test_refused_look_ups_are_the_command_lines(tmp_path):
    short, flat = broken_copies(tmp_path)
    electron_water = "e_STC/Water liquid.stc"
    # (velmora-query arguments before the energy, the module's call)
    cases = [
        (["water"], lambda: velmora.material("water")),
        (["water", "--particle", "electron"], lambda: velmora.material("water", "electron")),
        (["wat3r"], lambda: velmora.material("wat3r")),
        (["xyzzy"], lambda: velmora.material("xyzzy")),
        (["Xx"], lambda: velmora.material("Xx")),
        (["nope/x.stc"], lambda: velmora.material("nope/x.stc")),
        ([str(short)], lambda: velmora.material(short)),
        (["short", "--data-dir", str(tmp_path)], lambda: velmora.material("short", None, tmp_path)),
        ([electron_water, "--particle", "positron"],
         lambda: velmora.material(electron_water, "positron")),
        (["water", "--data-dir", str(tmp_path / "p_STC")],
         lambda: velmora.material("water", data_dir=tmp_path / "p_STC")),
        ([WATER, "--particle", "proton"], lambda: velmora.material(WATER, "proton")),
    ]
    for args, call in cases:
        assert refusal(call) == in_module_words(query_refusal("at", *args, "1")), args
    expected = query_refusal("energy-for-range", str(flat), "1")
    assert refusal(lambda: velmora.material(flat).energy_for_range(1.0)) == expected
    expected = query_refusal("materials", "--particle", "muon")
    assert refusal(lambda: velmora.materials("muon")) == in_module_words(expected)


def test_symbols_and_the_particle_of_a_table(tmp_path):
    assert (velmora.material("Pb").name, velmora.material("Pb", "electron").particle) == (
        "Lead", "electron")
    # The particle as the second line names it, else as the folder does, else the one asked for.
    lines = (DATA_DIR / "e_STC" / "Water liquid.stc").read_text().splitlines(keepends=True)
    (tmp_path / "p_STC").mkdir()
    (tmp_path / "told.stc").write_text("".join(lines))
    (tmp_path / "p_STC" / "told.stc").write_text("".join(lines))
    (tmp_path / "untold.stc").write_text("".join(lines[:1] + ["Stopping powers\n"] + lines[2:]))
    cases = [("told.stc", None, "electron"), ("p_STC/told.stc", None, "electron"),
             ("untold.stc", None, None), ("untold.stc", "electron", "electron")]
    for file, asked, particle in cases:
        assert velmora.material(tmp_path / file, asked).particle == particle, (file, asked)


def test_a_malformed_head_refuses_the_listing_as_the_command_line_does(tmp_path):
    (tmp_path / "p_QRV").mkdir()
    shutil.copy(DATA_DIR / "p_QRV" / "001 Hydrogen.qrv", tmp_path / "p_QRV")
    for density in ["not numbers", "x" * 80 + " 75"]:  # the long field is cut in both
        (tmp_path / "p_QRV" / "002 Broken.qrv").write_text(f"Broken\n\n\n{density}\n")
        expected = query_refusal("materials", "--data-dir", str(tmp_path))
        assert refusal(lambda: velmora.materials(data_dir=tmp_path)) == expected


def test_refused_intervals_are_the_command_lines():
    water = velmora.material(WATER)
    cases = [  # --from, --to, --step; the module's words for the options
        ("0.01", "1000", "0.01"), ("2", "1", "0.5"), ("1", "2", "0"), ("0", "2", "0.5"),
        ("1e400", "2", "1"), ("abc", "2", "1"), ("1", "2", "0x1"),
    ]
    for start, stop, step in cases:
        expected = query_refusal("interval", WATER, "--from", start, "--to", stop, "--step", step)
        for option, name in (("--from", "start"), ("--to", "stop"), ("--step", "step")):
            expected = expected.replace(option + ":", name + ":")
        expected = re.sub(r"use --to (\S+) or a larger --step", r"use stop=\1 or a larger step",
                          expected)
        assert refusal(lambda: water.interval(start, stop, step)) == expected
        assert refusal(lambda: water.interval_csv(start, stop, step)) == expected
    assert refusal(lambda: water.interval(INF, 2, 1)) == 'start: "inf" is not a number'
    assert refusal(lambda: water.interval(1, True, 1)) == "stop: True is not a number"
    assert refusal(lambda: water.interval(1, 2, None)) == "step: None is not a number"
