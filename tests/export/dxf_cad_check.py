"""Reads a DXF for current CAD programs with ezdxf and prints what a reader finds in it.

Used by export_tests to check the file with readers that share no code with the writer:
ezdxf's loader and auditor, and its drawing add-on, which draws each DIMENSION from its block.
Exit status 2 when ezdxf is missing, 1 when the file cannot be read.

Output lines:
  AUDIT errors=N fixes=N [messages]
  HEADER name=value ...        version, code page, units and dimension settings
  STYLE name=value ...         the same settings read from the DIMENSION's style
  LAYERS name:colour ...
  BYLAYER layer:TYPE=n,... ...
  BLOCKS dims=N own=N          DIMENSIONs, and those whose block is theirs alone and holds
                               lines, two filled arrows and one text
  MEASURED t1 t2 ...           each dimension's text as its block shows it
  FORMATTED t1 t2 ...          each dimension's measurement as its style writes it
  TEXTS height h1 h2 ...       the heights of the TEXT entities and of the dimension texts
  RENDERED dims=N drawn=N      DIMENSIONs the drawing add-on drew lines, arrows and text for
  OUTLINE x0 y0 x1 y1          the concrete outline's box
  DIMBOX x0 y0 x1 y1           the box of everything drawn for the dimensions
  SAME type=matched/total ...  with --same ORIGINAL: entities at the original's coordinates
  COUNT n

Usage: dxf_cad_check.py FILE [--same ORIGINAL]
"""

import sys
from collections import Counter, defaultdict

try:
    import ezdxf
    from ezdxf.addons.drawing import Frontend, RenderContext
    from ezdxf.addons.drawing.backend import Backend
except ImportError:
    print("ezdxf missing")
    sys.exit(2)

TOL = 1e-6


def fmt(v):
    return f"{v:.6g}"


class Recorder(Backend):
    """Remembers, for every top-level entity, the points and texts drawn for it."""

    def __init__(self):
        super().__init__()
        self.points = defaultdict(list)
        self.kinds = defaultdict(Counter)
        self.text_heights = defaultdict(list)

    def _top(self):
        return self.entity_stack[0][0] if self.entity_stack else None

    def _add(self, kind, pts):
        top = self._top()
        if top is None:
            return
        self.kinds[id(top)][kind] += 1
        self.points[id(top)].extend((p.x, p.y) for p in pts)

    def draw_point(self, pos, properties):
        self._add("point", [pos])

    def draw_line(self, start, end, properties):
        self._add("line", [start, end])

    def draw_filled_polygon(self, points, properties):
        self._add("polygon", list(points))

    def draw_text(self, text, transform, properties, cap_height):
        origin = transform.transform((0, 0, 0))
        self._add("text", [origin])
        top = self._top()
        if top is not None:
            self.text_heights[id(top)].append(cap_height)

    def get_font_measurements(self, cap_height, font=None):
        from ezdxf.tools.fonts import FontMeasurements
        return FontMeasurements(baseline=0, cap_height=cap_height, x_height=cap_height * 0.5,
                                descender_height=cap_height * 0.2)

    def get_text_line_width(self, text, cap_height, font=None):
        return len(text) * cap_height * 0.8

    def set_background(self, color):
        pass

    def clear(self):
        pass

    def finalize(self):
        pass

    def set_clipping_path(self, path=None, scale=1.0):
        return False


def box(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return min(xs), min(ys), max(xs), max(ys)


def close(a, b):
    return abs(a - b) <= TOL


def same_as(doc, original_path):
    orig = ezdxf.readfile(original_path).modelspace()
    new = doc.modelspace()
    result = []

    def compare(name, old, new_items, key_old, key_new):
        ok = sum(1 for a, b in zip(old, new_items)
                 if all(close(x, y) for x, y in zip(key_old(a), key_new(b))))
        total = max(len(old), len(new_items))
        result.append(f"{name}={ok}/{total}")

    compare("LINE", list(orig.query("LINE")), list(new.query("LINE")),
            lambda e: (*e.dxf.start.vec2, *e.dxf.end.vec2), lambda e: (*e.dxf.start.vec2, *e.dxf.end.vec2))
    compare("CIRCLE", list(orig.query("CIRCLE")), list(new.query("CIRCLE")),
            lambda e: (*e.dxf.center.vec2, e.dxf.radius), lambda e: (*e.dxf.center.vec2, e.dxf.radius))

    def text_point(e):
        p = e.dxf.align_point if e.dxf.get("halign", 0) else e.dxf.insert
        return (p.x, p.y, float(e.dxf.get("halign", 0)))

    compare("TEXT", list(orig.query("TEXT")), list(new.query("TEXT")), text_point, text_point)
    old_texts = [e.dxf.text for e in orig.query("TEXT")]
    new_texts = [e.dxf.text for e in new.query("TEXT")]
    result.append("TEXTSTRINGS=" + ("equal" if old_texts == new_texts else "differ"))
    compare("DOT", list(orig.query("POLYLINE")), list(new.query("LWPOLYLINE")),
            lambda e: tuple(c for v in e.vertices for c in (v.dxf.location.x, v.dxf.location.y,
                                                          v.dxf.get("bulge", 0))),
            lambda e: tuple(c for x, y, s, w, b in e.get_points() for c in (x, y, b)))

    def dim_key(e):
        d = e.dxf
        across = d.defpoint.y if d.get("angle", 0) == 0 else d.defpoint.x
        return (*d.defpoint2.vec2, *d.defpoint3.vec2, d.get("angle", 0), across)

    compare("DIMENSION", list(orig.query("DIMENSION")), list(new.query("DIMENSION")), dim_key, dim_key)
    return " ".join(result)


def main(path, original):
    try:
        doc = ezdxf.readfile(path)
    except Exception as exc:  # noqa: BLE001 - report any reader failure
        print("UNREADABLE", exc)
        return 1

    auditor = doc.audit()
    print(f"AUDIT errors={len(auditor.errors)} fixes={len(auditor.fixes)}",
          " | ".join(e.message for e in auditor.errors + auditor.fixes))

    h = doc.header
    names = ["$ACADVER", "$DWGCODEPAGE", "$INSUNITS", "$DIMDEC", "$DIMZIN", "$DIMDSEP", "$DIMTAD", "$DIMLFAC",
             "$DIMSCALE", "$DIMTXT", "$DIMASZ", "$DIMGAP", "$DIMEXE", "$DIMEXO"]
    print("HEADER", " ".join(f"{n[1:]}={fmt(h[n]) if isinstance(h[n], float) else h[n]}" for n in names))

    ms = doc.modelspace()
    dims = list(ms.query("DIMENSION"))
    style = doc.dimstyles.get(dims[0].dxf.dimstyle if dims else h.get("$DIMSTYLE", "Standard"))
    if style is not None:
        attrs = ["dimdec", "dimzin", "dimdsep", "dimtad", "dimlfac", "dimscale", "dimtxt", "dimasz", "dimgap",
                 "dimexe", "dimexo"]
        values = {a: style.dxf.get(a) for a in attrs}
        print("STYLE", " ".join(f"{a.upper()}={fmt(v) if isinstance(v, float) else v}" for a, v in values.items()))

    styles = sorted({t.dxf.get("style", "Standard") for t in ms.query("TEXT")})
    print("TEXTSTYLE", " ".join(f"{s}:{doc.styles.get(s).dxf.font}" for s in styles if doc.styles.get(s)))
    print("LAYERS", " ".join(f"{l.dxf.name}:{l.color}" for l in doc.layers))
    by_layer = defaultdict(Counter)
    for e in ms:
        by_layer[e.dxf.layer][e.dxftype()] += 1
    print("BYLAYER", " ".join(f"{layer}:" + ",".join(f"{t}={n}" for t, n in sorted(c.items()))
                              for layer, c in sorted(by_layer.items())))

    names_used = Counter(d.dxf.geometry for d in dims)
    own = 0
    measured, formatted = [], []
    for d in dims:
        block = d.get_geometry_block()
        texts = list(block.query("TEXT")) if block else []
        kinds = Counter(e.dxftype() for e in block) if block else Counter()
        if block is not None and names_used[d.dxf.geometry] == 1 and kinds["LINE"] >= 3 \
                and kinds["SOLID"] == 2 and len(texts) == 1:
            own += 1
        measured.append(texts[0].dxf.text if texts else "-")
        dec = doc.dimstyles.get(d.dxf.dimstyle).dxf.get("dimdec", 4)
        formatted.append(f"{d.get_measurement():.{dec}f}")
    print(f"BLOCKS dims={len(dims)} own={own}")
    print("MEASURED", " ".join(measured))
    print("FORMATTED", " ".join(formatted))

    rec = Recorder()
    Frontend(RenderContext(doc), rec).draw_layout(ms, finalize=True)
    drawn, dim_points, heights = 0, [], set()
    for d in dims:
        k = rec.kinds.get(id(d), Counter())
        if k["line"] >= 3 and k["polygon"] >= 2 and k["text"] >= 1:
            drawn += 1
        dim_points.extend(rec.points.get(id(d), []))
        heights.update(fmt(c) for c in rec.text_heights.get(id(d), []))
    heights.update(fmt(t.dxf.height) for t in ms.query("TEXT"))
    print("TEXTS height", " ".join(sorted(heights)))
    print(f"RENDERED dims={len(dims)} drawn={drawn}")
    outline = [p for e in ms.query('LINE[layer=="CONCRETO"]') for p in (e.dxf.start.vec2, e.dxf.end.vec2)]
    if outline:
        print("OUTLINE", " ".join(fmt(v) for v in box([(p.x, p.y) for p in outline])))
    if dim_points:
        print("DIMBOX", " ".join(fmt(v) for v in box(dim_points)))
    if original:
        print("SAME", same_as(doc, original))
    print("COUNT", len(ms))
    return 0


if __name__ == "__main__":
    args = sys.argv[1:]
    original = None
    if "--same" in args:
        i = args.index("--same")
        original = args[i + 1] if i + 1 < len(args) else None
        del args[i:i + 2]
    if len(args) != 1:
        print("usage: dxf_cad_check.py FILE [--same ORIGINAL]")
        sys.exit(1)
    sys.exit(main(args[0], original))
