#!/usr/bin/env python3
"""Copies C++ sources with every non-ASCII character inside a string or character literal replaced
by the octal escapes of its code page 932 bytes.

The native build gets the same bytes from GCC's -fexec-charset=CP932; clang has no such switch, so
the fuzz build (tests/fuzz/CMakeLists.txt) compiles these copies. Octal escapes (at most three digits) are used because a
hexadecimal escape would swallow a following hex digit, and because a raw code page 932 byte 0x5C
("ソ" is 0x83 0x5C) would start an escape sequence. Comments and code outside literals are copied
unchanged.

    cp932-literals.py SOURCE_ROOT OUTPUT_ROOT FILE...   (FILEs relative to SOURCE_ROOT)
"""
import functools
import os
import subprocess
import sys


@functools.lru_cache(maxsize=None)
def cp932_bytes(ch):
    """The bytes GCC's -fexec-charset=CP932 gives: iconv's table, which maps a few characters
    Python's codec lacks ("—" U+2014 is 81 5C, as U+2015)."""
    try:
        return ch.encode("cp932")
    except UnicodeEncodeError:
        return subprocess.run(["iconv", "-f", "UTF-8", "-t", "CP932"], input=ch.encode("utf-8"),
                              stdout=subprocess.PIPE, check=True).stdout


def escaped(ch):
    return "".join("\\%03o" % b for b in cp932_bytes(ch))


def convert(text):
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            out.append(text[i:end])
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(text[i:end])
            i = end
        elif c == 'R' and text.startswith('R"', i) and (i == 0 or not text[i - 1].isalnum()):
            i = convert_raw(text, i, out)
        elif c == '"' or (c == "'" and not (i > 0 and text[i - 1].isalnum())):
            i = convert_quoted(text, i, out)
        else:
            out.append(c)
            i += 1
    return "".join(out)


def convert_quoted(text, start, out):
    """A "..." or '...' literal from start; returns the index after it. A quote after a letter or
    digit is no literal (digit separators like 1'000)."""
    quote = text[start]
    out.append(quote)
    i = start + 1
    while i < len(text) and text[i] != quote:
        if text[i] == "\\":
            out.append(text[i:i + 2])
            i += 2
            continue
        if text[i] == "\n":
            raise ValueError("line break inside a literal at offset %d" % start)
        out.append(text[i] if ord(text[i]) < 128 else escaped(text[i]))
        i += 1
    out.append(quote)
    return i + 1


def convert_raw(text, start, out):
    """A raw literal R"delim(...)delim": escapes mean nothing there, so it becomes an ordinary
    literal with every character escaped where needed."""
    open_paren = text.index("(", start)
    delimiter = text[start + 2:open_paren]
    close = text.index(")" + delimiter + '"', open_paren)
    body = text[open_paren + 1:close]
    pieces = []
    for ch in body:
        if ord(ch) >= 128:
            pieces.append(escaped(ch))
        elif ch in '\\"':
            pieces.append("\\" + ch)
        elif ch == "\n":
            pieces.append("\\n")
        else:
            pieces.append(ch)
    out.append('"' + "".join(pieces) + '"')
    return close + len(delimiter) + 2


def main():
    source_root, output_root, files = sys.argv[1], sys.argv[2], sys.argv[3:]
    for name in files:
        with open(os.path.join(source_root, name), encoding="utf-8") as f:
            text = f.read()
        target = os.path.join(output_root, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "w", encoding="utf-8") as f:
            f.write(convert(text))


if __name__ == "__main__":
    main()
