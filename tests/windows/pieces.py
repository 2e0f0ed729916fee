"""Writes the expected bytes of window cases from markup pieces.

Each windows/<KEY>/make_expected.py holds a window's markup as literal pieces, written the way the
window's markup is specified (\\" for a quote, \\r\\n for CR LF, \\t for a TAB) and joined with the field
texts of each case, then calls write(). Addresses are written as ${NAME}; the test puts in the value
in effect. Run a script again after changing it: python3 tests/windows/F03/make_expected.py
"""

import inspect
import os
import sys


def A(name, upper=False):
    """An address as the expected file writes it, e.g. A("MAKER_SERVER"); with upper=True the address
    in capital letters (its ASCII letters), e.g. A("MAKER_SHOP_ADDRESS", upper=True)."""
    return "${" + ("upper:" if upper else "") + name + "}"


def lines(*numbered, end=""):
    """Markup given line by line: (tabs, text) pairs joined by CR LF, each line after its TABs."""
    return "\r\n".join("\t" * tabs + text for tabs, text in numbered) + end


def write(case, text):
    """Writes <case>.expected beside the calling script: UTF-8, bytes exactly as given."""
    folder = os.path.dirname(os.path.abspath(inspect.stack()[1].filename))
    path = os.path.join(folder, case + ".expected")
    with open(path, "wb") as f:
        f.write(text.encode("utf-8"))
    print("wrote", os.path.relpath(path), len(text.encode("utf-8")), "bytes", file=sys.stderr)
