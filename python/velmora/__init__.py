"""Mass stopping powers and csda ranges of positrons and electrons, from Velmora's tables.

The tables and the log-log interpolation of Velmora, with the same numbers to the last bit as the
windows and velmora-query; energies and ranges as numbers, lists or NumPy arrays of any shape.

    >>> import velmora
    >>> water = velmora.material("water, liquid")
    >>> water.at(1.0).total            # MeV cm2/g at 1 MeV
    1.822
    >>> ranges = water.at([0.5, 1.0, 2.0], linear=True).csda_range    # cm, a NumPy array

velmora.materials() lists the materials; help(velmora.material) and help(velmora.Material) tell
the rest. Bad input raises ValueError with the command line's message.
"""

from velmora._core import (
    IntervalRows,
    Material,
    MaterialEntry,
    Quantities,
    material,
    materials,
)

__all__ = [
    "IntervalRows",
    "Material",
    "MaterialEntry",
    "Quantities",
    "material",
    "materials",
]
