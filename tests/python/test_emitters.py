"""velmora.emitters() and velmora.emitter_spectrum() give velmora-query emitters' figures to the
last bit, take the nuclide names it takes, and refuse in its words."""
import json
import warnings

import numpy as np
import pytest
import velmora

from conftest import DATA_DIR, query_output, query_refusal

WATER = "water, liquid"
NUCLIDES = ["C-11", "N-13", "O-15", "F-18", "Na-22", "Sc-44", "Cu-64", "Ga-68", "Rb-82", "Zr-89",
            "I-124"]
USER_LIST = ("nuclide,daughter_Z,A,half_life,half_life_unit,endpoint_keV,mean_keV,"
             "intensity_percent\n")


def query_json(*args):
    return json.loads(query_output("emitters", *args, "--format", "json"))


def as_json_rows(records):
    """The records as the command line's JSON rows: beyond_percent only when asked for."""
    return [{key: value for key, value in record._asdict().items()
             if not (key == "beyond_percent" and value is None)} for record in records]


# Material, particle, nuclides and thickness: elements and compounds, both particles, every
# nuclide or some in the order given, the thickness in each of its units.
FIGURE_CASES = [
    (WATER, "positron", None, None),
    (WATER, "electron", ["Ga-68", "F-18"], "1mm"),
    ("bone cortical", "positron", ["18F", "ga68", "I124"], "0.1g/cm2"),
    ("lung", "positron", "Rb-82", "0.5 cm"),
    ("Pb", "electron", None, "0.2mm"),
]


@pytest.mark.parametrize("name,particle,nuclides,beyond", FIGURE_CASES)
def test_the_figures_are_the_command_lines_to_the_last_bit(name, particle, nuclides, beyond):
    names = [nuclides] if isinstance(nuclides, str) else nuclides or []
    args = [name, *names, "--particle", particle] + (["--beyond", beyond] if beyond else [])
    expected = query_json(*args)
    material = velmora.material(name, particle)
    records = velmora.emitters(material, nuclides, beyond)
    assert as_json_rows(records) == expected["nuclides"]
    assert all(isinstance(r, velmora.Emitter) for r in records)
    if particle == "positron":  # a name is looked up as velmora.material() does
        assert velmora.emitters(name, nuclides=nuclides, beyond=beyond) == records


def test_every_nuclide_and_the_literatures_figures_for_water():
    positrons = {r.nuclide: r for r in velmora.emitters(WATER)}
    electrons = {r.nuclide: r for r in velmora.emitters(velmora.material(WATER, "electron"))}
    assert list(positrons) == NUCLIDES == list(electrons)
    # Reviews of PET nuclides: F-18 in water, Rmax 2.4 mm and Rmean 0.6 mm (electron tables).
    f18 = electrons["F-18"]
    assert (round(f18.rmax_mm, 1), round(f18.rmean_mm, 1)) == (2.4, 0.6)
    assert (round(f18.rmax_mm, 3), round(positrons["F-18"].rmax_mm, 3)) == (2.434, 2.428)
    for r in positrons.values():
        assert r.rmean_mm < r.mean_csda_range_mm < r.rmax_mm and r.beyond_percent is None
        assert r.rmax_mm == pytest.approx(r.rmax_g_cm2 * 10, rel=1e-15)


@pytest.mark.parametrize("spelling", ["F-18", "18F", "F18", "f-18", "18-f", "F 18"])
def test_nuclide_names_as_people_write_them(spelling):
    assert [r.nuclide for r in velmora.emitters(WATER, [spelling, "c11"])] == ["F-18", "C-11"]
    assert velmora.emitter_spectrum(WATER, spelling).nuclide == "F-18"


@pytest.mark.parametrize("name,particle,nuclide", [
    (WATER, "positron", "F-18"), (WATER, "electron", "I-124"), ("lead", "positron", "Ga-68")])
def test_the_spectrum_is_the_command_lines(name, particle, nuclide):
    expected = query_json(name, nuclide, "--spectrum", "--particle", particle)
    spectrum = velmora.emitter_spectrum(velmora.material(name, particle), nuclide)
    assert (spectrum.nuclide, spectrum.from_user_list) == (nuclide, False)
    for field in ["energy_mev", "positrons_per_mev_per_100_decays", "csda_range_g_cm2",
                  "csda_range_mm"]:
        column = getattr(spectrum, field)
        assert column.dtype == np.float64
        assert column.tolist() == [row[field] for row in expected["spectrum"]], field


# What is refused, the command line's arguments for the same, and its message's start when the
# command line has no such case (then None).
REFUSALS = [
    ({"nuclides": "X-99"}, ["X-99"], None),
    ({"nuclides": ["F-18", "F-19"]}, ["F-18", "F-19"], None),
    ({"beyond": "1"}, ["--beyond", "1"], None),
    ({"beyond": "1 inch"}, ["--beyond", "1 inch"], None),
    ({"beyond": "mm"}, ["--beyond", "mm"], None),
    ({"beyond": "0mm"}, ["--beyond", "0mm"], None),
    ({"beyond": "-1g/cm2"}, ["--beyond=-1g/cm2"], None),
    ({"beyond": 1.0}, None, "beyond: 1.0 is not a thickness with its unit"),
    ({"nuclides": 18}, None, "nuclides: a name, a sequence of names or None, not 18"),
    ({"nuclides": ["F-18", b"C-11"]}, None, "a nuclide name must be a text"),
]


@pytest.mark.parametrize("kwargs,args,message", REFUSALS)
def test_refusals_are_value_errors_in_the_command_lines_words(kwargs, args, message):
    with pytest.raises(ValueError) as raised:
        velmora.emitters(WATER, **kwargs)
    if args is not None:
        message = query_refusal("emitters", WATER, *args).replace("--beyond: ", "beyond: ")
        assert str(raised.value) == message
    else:
        assert str(raised.value).startswith(message)


def test_a_table_ending_below_an_endpoint_is_refused_for_ranges_and_spectrum(tmp_path):
    lines = (DATA_DIR / "p_STC" / "Water liquid.stc").read_text().splitlines()
    rows = [" ".join([f"{float(row.split()[0]) * 7e-4:.4E}", *row.split()[1:]])
            for row in lines[10:]]
    short = tmp_path / "p_STC" / "Short.stc"
    short.parent.mkdir()
    short.write_text("\n".join(["Short", *lines[1:10], *rows]) + "\n")
    expected = query_refusal("emitters", str(short), "F-18", "Ga-68")
    assert expected.endswith("ends at 0.7 MeV, below the endpoint of Ga-68")
    for call in (lambda: velmora.emitters(str(short), ["F-18", "Ga-68"]),
                 lambda: velmora.emitter_spectrum(short, "Ga-68")):
        with pytest.raises(ValueError, match="^" + expected.replace("(", r"\(") + "$"):
            call()
    assert velmora.emitters(short, "F-18")[0].endpoint_mev == 0.6335  # F-18 still fits


def test_the_users_nuclides_replace_and_follow_and_a_malformed_list_warns(tmp_path, monkeypatch):
    monkeypatch.setenv("XDG_DATA_HOME", str(tmp_path))
    user_list = tmp_path / "velmora" / "emitters" / "positron_emitters.csv"
    user_list.parent.mkdir(parents=True)
    user_list.write_text(USER_LIST + "F-18,8,18,109.7,min,700,280,90\n"
                         "Tb-152,64,152,17.5,h,2620,1140,20.3\n")
    records = velmora.emitters(WATER, beyond="1mm")
    assert as_json_rows(records) == query_json(WATER, "--beyond", "1mm")["nuclides"]
    mine = {r.nuclide for r in records if r.from_user_list}
    assert mine == {"F-18", "Tb-152"} and records[-1].nuclide == "Tb-152"
    assert velmora.emitter_spectrum(WATER, "tb152").from_user_list

    user_list.write_text(USER_LIST + "Tb-152,64,152,17.5,h,2620,1140,20.3\n"
                         "F-18,8,18,109.7,min,700\n")
    with pytest.warns(UserWarning, match="line 3.*The bundled nuclides are used"):
        records = velmora.emitters(WATER)
    assert [r.nuclide for r in records] == NUCLIDES
    assert not any(r.from_user_list for r in records)
    with warnings.catch_warnings(), pytest.raises(ValueError) as raised:
        warnings.simplefilter("ignore")
        velmora.emitters(WATER, "Tb-152")
    assert str(raised.value).endswith("(your nuclide list was not read)")
    with warnings.catch_warnings(), pytest.raises(UserWarning):
        warnings.simplefilter("error")  # warnings as errors: the call stops with it
        velmora.emitters(WATER)
