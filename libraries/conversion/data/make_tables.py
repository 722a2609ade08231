#!/usr/bin/env python3
"""Writes the unit and constant tables shipped with the Conversion keypad.

Each table is a list-format ".cvt" file: the format word, the entry count,
entries of a 30-unit UTF-16 name and a little-endian double, then a 30-unit
title. Run it from anywhere; it writes beside itself:
    python3 make_tables.py
"""
import os
import struct

NAME_UNITS = 30
LIST_FORMAT = 1

# Physical constants in SI units: the exact defining values of the SI and the
# CODATA 2022 recommended values of the measured ones.
PHYSICS = ("Physical constants (SI)", [
    ("Constant", 0.0),
    ("Speed of light (m/s)", 299792458.0),
    ("Planck constant (J s)", 6.62607015e-34),
    ("Boltzmann constant (J/K)", 1.380649e-23),
    ("Avogadro constant (1/mol)", 6.02214076e23),
    ("Elementary charge (C)", 1.602176634e-19),
    ("Electron mass (kg)", 9.1093837139e-31),
    ("Gravitational G (m\u00b3/kg s\u00b2)", 6.67430e-11),
    ("Standard gravity (m/s\u00b2)", 9.80665),
])

# Lengths in metres. The light year is the Julian year at the speed of
# light; the parsec is 648000/pi astronomical units.
LENGTHS = ("Length units (m)", [
    ("Metre", 1.0),
    ("Kilometre", 1000.0),
    ("Foot", 0.3048),
    ("Mile", 1609.344),
    ("Nautical mile", 1852.0),
    ("Angstrom", 1e-10),
    ("Astronomical unit", 149597870700.0),
    ("Light year", 9460730472580800.0),
    ("Parsec", 3.0856775814913673e16),
    ("Furlong", 201.168),
    ("Chain", 20.1168),
])


def name_field(text):
    units = text.encode("utf-16-le")
    if len(units) // 2 >= NAME_UNITS:
        raise ValueError("name too long: " + text)
    return units.ljust(NAME_UNITS * 2, b"\0")


def table_bytes(title, entries):
    out = struct.pack("<HH", LIST_FORMAT, len(entries))
    for name, value in entries:
        out += name_field(name) + struct.pack("<d", value)
    return out + name_field(title)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for file_name, (title, entries) in (("Physics.cvt", PHYSICS), ("Lengths.cvt", LENGTHS)):
        with open(os.path.join(here, file_name), "wb") as out:
            out.write(table_bytes(title, entries))


if __name__ == "__main__":
    main()
