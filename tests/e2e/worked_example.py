"""The worked example's texts, read from the one place the C++ tests take them from."""

import ast
import pathlib
import re

HEADER = pathlib.Path(__file__).resolve().parent.parent / "reference" / "worked_example.h"

# A constant of the header: `inline constexpr char kName[] = "..." "...";`.
_CONSTANT = re.compile(r'constexpr char (k\w+)\[\] =\s*((?:"(?:[^"\\]|\\.)*"\s*)+);')


def _constants():
    text = HEADER.read_text(encoding="utf-8")
    # A C++ string literal without prefixes reads the same as a Python one for these escapes.
    return {name: "".join(ast.literal_eval(piece) for piece in re.findall(r'"(?:[^"\\]|\\.)*"', body))
            for name, body in _CONSTANT.findall(text)}


_TEXTS = _constants()
PRICE = _TEXTS["kPrice"]
REPORT_AT_PRICE = _TEXTS["kReportAtPrice"]
FREE_CASH_FLOW = _TEXTS["kFreeCashFlow"]
GROWTH = _TEXTS["kGrowth"]
DISCOUNT = _TEXTS["kDiscount"]
SHARES = _TEXTS["kShares"]
VALUE_PER_SHARE = _TEXTS["kValuePerShare"]
