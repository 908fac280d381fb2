"""Reads DXF files for current CAD programs with ezdxf and reports every text that crosses
another text, a line or a bar dot, every leader (a line of TEXTOS) that crosses another leader
or a dimension's line (COTAS), and every bar mark without the leader it stands on. A TEXT's box is its line: from a fifth of its line below the
base line to the line's top, as wide as its characters at 0.95 of the capitals' height each,
the widest letters of the CAD fonts; turned with the text.

Prints "CHOQUE file: what" for each crossing and "LEIDOS n" at the end.
Exit status 2 when ezdxf is missing, 1 when any file has a crossing or cannot be read.

Usage: dxf_overlap_check.py FILE...
"""

import math
import re
import sys

try:
    import ezdxf
except ImportError:
    print("ezdxf missing")
    sys.exit(2)

TOQUE = 1e-4  # a leader ending on its text's edge touches it, it does not cross it


def caja(t):
    h = t.dxf.height
    linea = h / 0.7
    w = len(t.dxf.text) * 0.95 * h
    x, y = t.dxf.insert.x, t.dxf.insert.y
    abajo = 0.22 * linea
    if round(t.dxf.get("rotation", 0)) == 90:
        return (x - (linea - abajo), y, x + abajo, y + w)
    return (x, y - abajo, x + w, y - abajo + linea)


def encoge(c, d):
    return (c[0] + d, c[1] + d, c[2] - d, c[3] - d)


def cruza(a, b, c):
    (x1, y1), (x2, y2) = a, b
    t0, t1 = 0.0, 1.0
    dx, dy = x2 - x1, y2 - y1
    for p, q in ((-dx, x1 - c[0]), (dx, c[2] - x1), (-dy, y1 - c[1]), (dy, c[3] - y1)):
        if p == 0:
            if q <= 0:
                return False
            continue
        r = q / p
        if p < 0:
            t0 = max(t0, r)
        else:
            t1 = min(t1, r)
        if t0 >= t1:
            return False
    return True


def corta(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def secan(a, b, c, d):
    """Whether two segments cross or touch, other than at an end they share."""
    ends = [a, b]
    if any(math.dist(p, q) < TOQUE for p in ends for q in (c, d)):
        return False

    def lado(p, q, r):
        v = (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])
        return 0 if abs(v) < 1e-12 else (1 if v > 0 else -1)

    d1, d2, d3, d4 = lado(a, b, c), lado(a, b, d), lado(c, d, a), lado(c, d, b)
    if d1 != d2 and d3 != d4:
        return True

    def sobre(p, q, r):
        return min(p[0], q[0]) - TOQUE <= r[0] <= max(p[0], q[0]) + TOQUE and \
            min(p[1], q[1]) - TOQUE <= r[1] <= max(p[1], q[1]) + TOQUE
    return (d1 == 0 and sobre(a, b, c)) or (d2 == 0 and sobre(a, b, d)) or \
        (d3 == 0 and sobre(c, d, a)) or (d4 == 0 and sobre(c, d, b))


def guias(msp, textos):
    """Leaders crossing each other or a dimension's line; bar marks without their leader."""
    capa = {}
    for l in msp.query("LINE"):
        capa.setdefault(l.dxf.layer, []).append(((l.dxf.start.x, l.dxf.start.y), (l.dxf.end.x, l.dxf.end.y)))
    propias, cotas = capa.get("TEXTOS", []), capa.get("COTAS", [])
    choques = []
    for i, (a, b) in enumerate(propias):
        for c, d in propias[i + 1:]:
            if secan(a, b, c, d):
                choques.append(f"guia {a} {b} / guia {c} {d}")
        for c, d in cotas:
            if secan(a, b, c, d):
                choques.append(f"guia {a} {b} / cota {c} {d}")
    for t, c in textos:
        if not re.match(r"(M[1-4]|Z[1-3]|D1) ", t):
            continue
        pie = c[1] - TOQUE
        if not any(abs(a[1] - pie) < 1e-3 and abs(b[1] - pie) < 1e-3 and
                   min(a[0], b[0]) < c[2] and max(a[0], b[0]) > c[0] for a, b in propias):
            choques.append(f"{t} sin guia")
    return choques


def revisa(ruta):
    doc = ezdxf.readfile(ruta)
    msp = doc.modelspace()
    textos = [(t.dxf.text, encoge(caja(t), TOQUE)) for t in msp.query("TEXT")]
    lineas = [((l.dxf.start.x, l.dxf.start.y), (l.dxf.end.x, l.dxf.end.y)) for l in msp.query("LINE")]
    puntos = []
    for p in msp.query("LWPOLYLINE"):
        xs = [v[0] for v in p.get_points()]
        ys = [v[1] for v in p.get_points()]
        r = p.dxf.const_width / 2 + (max(xs) - min(xs)) / 2
        cx, cy = sum(xs) / len(xs), sum(ys) / len(ys)
        puntos.append((cx - r, cy - r, cx + r, cy + r))
    choques = []
    for i, (t, c) in enumerate(textos):
        for a, b in lineas:
            if cruza(a, b, c):
                choques.append(f"{t} / linea {a} {b}")
        for p in puntos:
            if corta(c, p):
                choques.append(f"{t} / barra")
        for u, d in textos[i + 1:]:
            if corta(c, d):
                choques.append(f"{t} / {u}")
    return choques + guias(msp, textos)


def main():
    malos = 0
    for ruta in sys.argv[1:]:
        try:
            choques = revisa(ruta)
        except Exception as e:  # noqa: BLE001 - any reader failure fails the file
            choques = [f"no se lee: {e}"]
        for c in choques:
            print(f"CHOQUE {ruta}: {c}")
        malos += bool(choques)
    print(f"LEIDOS {len(sys.argv) - 1}")
    sys.exit(1 if malos else 0)


if __name__ == "__main__":
    main()
