"""Material files for the walk and the values the program must show for them, computed here.

The files have the layout the program reads (91 CR LF lines, head values on line 4, 81 data rows of
five numbers from line 11), and every expectation is derived from the numbers written into them:
log-log interpolation, the number patterns with exact decimal rounding (half away from zero) of the
binary value, and the csv text of the equal-interval table.
"""

import math
import re
import struct
from dataclasses import dataclass, field
from decimal import ROUND_HALF_UP, Decimal

ROWS = 81


@dataclass
class Material:
    name: str
    density: float
    mean_excitation_energy: float
    energy: list = field(default_factory=list)  # rows 1..81 at indices 0..80
    collision: list = field(default_factory=list)
    radiative: list = field(default_factory=list)
    total: list = field(default_factory=list)
    range: list = field(default_factory=list)

    def row(self, number):
        """The five values of table row number (1..81)."""
        i = number - 1
        return (self.energy[i], self.collision[i], self.radiative[i], self.total[i],
                self.range[i])


def _file_number(value):
    return "%.3E" % value


def smooth_material(name, density, mean_excitation_energy, scale=1.0):
    """Energies 0.01..1000 MeV, sixteen rows per decade, with smooth positive values; every value
    is rounded to the four digits the file holds, so what the program reads equals what is kept
    here."""
    m = Material(name, density, mean_excitation_energy)
    for row in range(1, ROWS + 1):
        e = float(_file_number(0.01 * 10.0 ** ((row - 1) / 16.0)))
        collision = float(_file_number(scale * (2.0 * e ** -0.3 + 1.0)))
        radiative = float(_file_number(scale * 0.01 * e))
        m.energy.append(e)
        m.collision.append(collision)
        m.radiative.append(radiative)
        m.total.append(float(_file_number(collision + radiative)))
        m.range.append(float(_file_number(0.5 * e ** 1.5 / scale)))
    return m


def data_line(m, number):
    return "   " + " ".join(_file_number(v) for v in m.row(number))


def file_text(m):
    lines = []
    for line in range(1, 92):
        if line == 1:
            lines.append(m.name)
        elif line == 4:
            lines.append("  %.6g  %.6g" % (m.density, m.mean_excitation_energy))
        elif 11 <= line <= 91:
            lines.append(data_line(m, line - 10))
        else:
            lines.append("free text line %d" % line)
    return "".join(line + "\r\n" for line in lines)


def table_list_entry(m, number):
    """What the main window's table list shows for a row: characters 4 to 47 of its line."""
    return data_line(m, number)[3:47]


# ---------------------------------------------------------------------------------------------
# Number patterns


def _near_tie(exact, quantum):
    """Whether the value lies so close to halfway between two multiples of quantum that a last-bit
    difference in its computation could change the digits shown."""
    remainder = exact.scaleb(-quantum.adjusted()) % 1
    return abs(remainder - Decimal("0.5")) < Decimal("1e-9")


def scientific(value, decimals, leading_blanks=0):
    """A scientific pattern such as "0.000E+00" (decimals=3)."""
    if value == 0:
        return " " * leading_blanks + "0." + "0" * decimals + "E+00"
    exact = Decimal(value)
    exponent = exact.adjusted()
    quantum = Decimal(1).scaleb(exponent - decimals)
    if _near_tie(exact, quantum):
        raise ValueError("%r lies on a rounding tie; choose other inputs" % value)
    mantissa = exact.scaleb(-exponent).quantize(
        Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    if mantissa >= 10:
        mantissa = (mantissa / 10).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
        exponent += 1
    sign = "-" if exponent < 0 else "+"
    return "%s%sE%s%02d" % (" " * leading_blanks, mantissa, sign, abs(exponent))


def fixed(value, min_decimals, max_decimals):
    """A fixed-point pattern such as "#0.000###" (3 to 6 decimals)."""
    exact = Decimal(value)
    quantum = Decimal(1).scaleb(-max_decimals)
    if _near_tie(exact, quantum):
        raise ValueError("%r lies on a rounding tie; choose other inputs" % value)
    text = str(exact.quantize(quantum, rounding=ROUND_HALF_UP))
    while max_decimals > min_decimals and text.endswith("0"):
        text = text[:-1]
        max_decimals -= 1
    return text


def query_text(value):
    """The main window's result boxes: "0.000E+00"."""
    return scientific(value, 3)


def head_texts(m):
    """Name, density and mean excitation energy boxes of the main window."""
    return (m.name, "ρ = " + fixed(m.density, 3, 3),
            "I = " + fixed(m.mean_excitation_energy, 1, 1) + " eV")


def graph_caption(m):
    return ("  " + m.name + "     Density = " + fixed(m.density, 3, 6) +
            "[g/cm3]     (S/ρ)")


# ---------------------------------------------------------------------------------------------
# Interpolation


def find_upper_row(m, e):
    """Index (1-based) of the upper row of the bracketing pair; None above the table."""
    i = 1
    while i <= ROWS and m.energy[i - 1] < e:
        i += 1
    if i > ROWS:
        return None
    return max(i, 2)


def interpolate(column, energies, i, e):
    """Straight line in ln-ln between rows i-1 and i, evaluated in the program's order."""
    a = math.log(column[i - 1])
    b = math.log(column[i - 2])
    e1 = math.log(energies[i - 1])
    e0 = math.log(energies[i - 2])
    x = math.log(e)
    d = a - b
    p = d * (e1 - x)
    q = e1 - e0
    r = p / q
    return math.exp(a - r)


def query_values(m, e):
    """Collision, radiative, total, csda range at energy e."""
    i = find_upper_row(m, e)
    return tuple(interpolate(col, m.energy, i, e)
                 for col in (m.collision, m.radiative, m.total, m.range))


def query_boxes(values_energy, values):
    """The five result boxes (energy, collision, radiative, total, csda range) as shown."""
    return tuple(query_text(v) for v in (values_energy,) + tuple(values))


# ---------------------------------------------------------------------------------------------
# Graph read-out

SCALE_LEFT = -1.5
SCALE_WIDTH = 13.5
FRAME_RIGHT = 11.5
BORDER_PIXELS = 2


def cursor_x(e):
    return math.log(e) + 4.606


def curve_x(e):
    """Where a curve passes energy e: one decade is ln 10 units, 0.01 MeV at 0."""
    return math.log(e) + 2 * math.log(10)


def range_y(r):
    """Where the range curve passes a csda range r: 0.0001 g/cm2 at 0."""
    return math.log(r) + 4 * math.log(10)


def _single(value):
    return struct.unpack("f", struct.pack("f", value))[0]


def nearest_row(m, x):
    """The row the read-out snaps to for a pointer at user x inside the frame."""
    x = _single(x)
    i = 1
    while i <= ROWS and _single(cursor_x(m.energy[i - 1])) <= x:
        i += 1
    i = min(i, ROWS)
    if i > 1 and abs(x - cursor_x(m.energy[i - 1])) > abs(x - cursor_x(m.energy[i - 2])):
        i -= 1
    return i


def pixel_for_user_x(x, outer_width):
    """The pixel column (from the box's left outer edge) nearest to user x."""
    client = outer_width - 2 * BORDER_PIXELS
    return BORDER_PIXELS + round((x - SCALE_LEFT) * client / SCALE_WIDTH)


def user_x_at_pixel(pixel, outer_width):
    client = outer_width - 2 * BORDER_PIXELS
    return SCALE_LEFT + (pixel - BORDER_PIXELS) * SCALE_WIDTH / client


def pixel_for_user_y(y, scale_top, scale_height, outer_height):
    client = outer_height - 2 * BORDER_PIXELS
    return BORDER_PIXELS + round((y - scale_top) * client / scale_height)


# ---------------------------------------------------------------------------------------------
# Equal-interval table


def read_number(text):
    """The leading number of a typed text, blanks removed (enough for the texts the walk types)."""
    stripped = "".join(ch for ch in text if ch not in " \t\n")
    match = re.match(r"[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?", stripped)
    return float(match.group(0)) if match else 0.0


def interval_rows(m, start_text, end_text, step_text):
    """(energy, collision, radiative) of every row of the equal-interval table."""
    s = read_number(start_text) * 1000
    t = read_number(end_text) * 1000
    d = read_number(step_text) * 1000
    n = min(math.floor((t - s) / d), 5000)
    rows = []
    for i in range(n + 1):
        e = (s + i * d) * 0.001
        upper = find_upper_row(m, e)
        rows.append((e, interpolate(m.collision, m.energy, upper, e),
                     interpolate(m.radiative, m.energy, upper, e)))
    return rows


def interval_list_line(row):
    e, c, r = row
    return scientific(e, 4) + scientific(c, 4, 2) + scientific(r, 4, 2)


def interval_csv_bytes(rows):
    lines = ["MeV, Collision, Radiate"]
    lines += [",".join(scientific(v, 4, 1) for v in row) for row in rows]
    return "".join(line + "\r\n" for line in lines).encode("ascii")
