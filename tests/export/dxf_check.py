"""Reads a DXF file with ezdxf and prints what it found, one entity a line.

Used by export_tests to check the writer's output with a reader that shares
no code with it. Exit status 2 when ezdxf is missing, 1 when the file cannot
be read at all.

Output lines (numbers with repr(float), texts with escapes for non-ASCII):
  RECOVERED          only when the plain reader refused the file
  ENCODING name
  LINE x1 y1 z1 x2 y2 z2 layer
  CIRCLE x y z r layer
  TEXT x y z height halign ax ay text
  POLYLINE closed n w0 w1 | x y bulge | x y bulge ...
  DIMENSION block dimtype x10 y10 x11 y11 x13 y13 x14 y14 angle | xdata
  COUNT n

With --by-type the entity lines are left out and one line before COUNT gives the
number of entities of each type, by name: BYTYPE CIRCLE=4 LINE=35 ...

Usage: dxf_check.py [--by-type] FILE
"""

import sys

try:
    import ezdxf
    from ezdxf import recover
except ImportError:
    print("ezdxf missing")
    sys.exit(2)


def num(v):
    return repr(float(v))


def main(path, by_type=False):
    # The file has no HEADER or TABLES section; ezdxf supplies defaults and
    # decodes the texts with Windows-1252. Its auditor (recover) would drop
    # the DIMENSIONs, whose block "*D7" the file leaves to the CAD program,
    # so the plain reader comes first.
    try:
        doc = ezdxf.readfile(path)
    except ezdxf.DXFStructureError:
        try:
            doc, _ = recover.readfile(path)
            print("RECOVERED")
        except Exception as exc:  # noqa: BLE001 - report any reader failure
            print("UNREADABLE", exc)
            return 1
    except Exception as exc:  # noqa: BLE001 - report any reader failure
        print("UNREADABLE", exc)
        return 1

    print("ENCODING", doc.encoding)
    count = 0
    types = {}
    for e in doc.modelspace():
        count += 1
        t = e.dxftype()
        types[t] = types.get(t, 0) + 1
        if by_type:
            continue
        d = e.dxf
        if t == "LINE":
            print("LINE", num(d.start.x), num(d.start.y), num(d.start.z),
                  num(d.end.x), num(d.end.y), num(d.end.z), d.layer)
        elif t == "CIRCLE":
            print("CIRCLE", num(d.center.x), num(d.center.y), num(d.center.z),
                  num(d.radius), d.layer)
        elif t == "TEXT":
            align = d.align_point if d.hasattr("align_point") else None
            print("TEXT", num(d.insert.x), num(d.insert.y), num(d.insert.z),
                  num(d.height), d.get("halign", 0),
                  num(align.x) if align else "-", num(align.y) if align else "-",
                  d.text.encode("unicode_escape").decode("ascii"))
        elif t == "POLYLINE":
            parts = ["POLYLINE", str(int(e.is_closed)), str(len(e.vertices)),
                     num(d.get("default_start_width", 0)), num(d.get("default_end_width", 0))]
            for v in e.vertices:
                parts += ["|", num(v.dxf.location.x), num(v.dxf.location.y),
                          num(v.dxf.get("bulge", 0))]
            print(" ".join(parts))
        elif t == "DIMENSION":
            xdata = e.get_xdata("ACAD") if e.has_xdata("ACAD") else []
            print("DIMENSION", d.get("geometry", "-"), d.get("dimtype", 0),
                  num(d.defpoint.x), num(d.defpoint.y),
                  num(d.text_midpoint.x), num(d.text_midpoint.y),
                  num(d.defpoint2.x), num(d.defpoint2.y),
                  num(d.defpoint3.x), num(d.defpoint3.y),
                  num(d.get("angle", 0)), "|",
                  " ".join(f"{code}:{value}" for code, value in xdata))
        else:
            print(t)
    if by_type:
        print("BYTYPE", " ".join(f"{t}={n}" for t, n in sorted(types.items())))
    print("COUNT", count)
    return 0


if __name__ == "__main__":
    args = sys.argv[1:]
    by_type = "--by-type" in args
    files = [a for a in args if a != "--by-type"]
    if len(files) != 1:
        print("usage: dxf_check.py [--by-type] FILE")
        sys.exit(1)
    sys.exit(main(files[0], by_type))
