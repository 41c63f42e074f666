"""Mass stopping powers and csda ranges of positrons and electrons, from Velmora's tables.

The tables and the log-log interpolation of Velmora, with the same numbers to the last bit as the
windows and velmora-query; energies and ranges as numbers, lists or NumPy arrays of any shape.

    >>> import velmora
    >>> water = velmora.material("water, liquid")
    >>> water.at(1.0).total            # MeV cm2/g at 1 MeV
    1.822
    >>> ranges = water.at([0.5, 1.0, 2.0], linear=True).csda_range    # cm, a NumPy array

    >>> velmora.emitters(water, "F-18")[0].rmax_mm   # how far F-18's positrons travel
    2.4284141398222143

velmora.materials() lists the materials; help(velmora.material) and help(velmora.Material) tell
the rest; velmora.emitters() and velmora.emitter_spectrum() give the figures of positron emitters
as velmora-query emitters does. Bad input raises ValueError with the command line's message.
"""

from velmora._core import (
    Emitter,
    EmitterSpectrum,
    IntervalRows,
    Material,
    MaterialEntry,
    Quantities,
    emitter_spectrum,
    emitters,
    material,
    materials,
)

__all__ = [
    "Emitter",
    "EmitterSpectrum",
    "IntervalRows",
    "Material",
    "MaterialEntry",
    "Quantities",
    "emitter_spectrum",
    "emitters",
    "material",
    "materials",
]
