# Type hints of the velmora module (the compiled velmora._core, re-exported here).
import os
from typing import Iterable, Literal, NamedTuple, Sequence, overload

import numpy as np
import numpy.typing as npt

_Array = npt.NDArray[np.float64]
_Values = float | Sequence[float] | npt.ArrayLike
_Number = float | int | str
_Particle = Literal["positron", "electron"]
_Path = str | os.PathLike[str]

class Quantities(NamedTuple):
    energy: float | _Array
    collision: float | _Array
    radiative: float | _Array
    total: float | _Array
    csda_range: float | _Array

class IntervalRows(NamedTuple):
    energy: _Array
    collision: _Array
    radiative: _Array

class MaterialEntry(NamedTuple):
    name: str
    file: str
    kind: Literal["element", "compound"]
    density: float
    mean_excitation_energy: float

class Emitter(NamedTuple):
    nuclide: str
    half_life: float
    half_life_unit: Literal["s", "min", "h", "d", "y"]
    positrons_per_100_decays: float
    endpoint_mev: float
    mean_energy_mev: float
    rmax_g_cm2: float
    rmean_g_cm2: float
    mean_csda_range_g_cm2: float
    rmax_mm: float
    rmean_mm: float
    mean_csda_range_mm: float
    beyond_percent: float | None
    from_user_list: bool

class EmitterSpectrum(NamedTuple):
    nuclide: str
    energy_mev: _Array
    positrons_per_mev_per_100_decays: _Array
    csda_range_g_cm2: _Array
    csda_range_mm: _Array
    from_user_list: bool

class Material:
    @property
    def name(self) -> str: ...
    @property
    def file(self) -> str: ...
    @property
    def particle(self) -> _Particle | None: ...
    @property
    def density(self) -> float: ...
    @property
    def mean_excitation_energy(self) -> float: ...
    @property
    def energy(self) -> _Array: ...
    @property
    def collision(self) -> _Array: ...
    @property
    def radiative(self) -> _Array: ...
    @property
    def total(self) -> _Array: ...
    @property
    def csda_range(self) -> _Array: ...
    def at(self, energies: _Values, *, linear: bool = False) -> Quantities: ...
    @overload
    def energy_for_range(self, ranges: float, *, linear: bool = False) -> float: ...
    @overload
    def energy_for_range(self, ranges: _Values, *, linear: bool = False) -> _Array: ...
    def interval(
        self, start: _Number, stop: _Number, step: _Number, *, linear: bool = False
    ) -> IntervalRows: ...
    def interval_csv(self, start: _Number, stop: _Number, step: _Number) -> bytes: ...

def materials(particle: _Particle = "positron", data_dir: _Path | None = None) -> list[MaterialEntry]: ...
def material(
    name_or_path: _Path, particle: _Particle | None = None, data_dir: _Path | None = None
) -> Material: ...
def emitters(
    material: Material | _Path, nuclides: str | Iterable[str] | None = None, beyond: str | None = None
) -> list[Emitter]: ...
def emitter_spectrum(material: Material | _Path, nuclide: str) -> EmitterSpectrum: ...
