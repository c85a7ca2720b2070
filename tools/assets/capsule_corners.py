#!/usr/bin/env python3
"""Writes the capsule button's skin tables (src/button/styles/pixel_capsule_skins.cpp).

The corner pieces are drawn once, here, and committed as constant data: each corner sweeps
its two edge profiles around a quarter circle, so the outline turns smoothly from the
horizontal edge's dark row into the vertical edge's dark column, with 4x4 supersampling.
A few rows are fixed by hand and override what the sweep draws. Run this only to change
the artwork:  python3 tools/assets/capsule_corners.py > src/button/styles/pixel_capsule_skins.cpp
"""
import math

SKINS = {
    "Normal": dict(
        centre=0xEAE7E8, top_rows=13, bottom_rows=10,
        left=[0xF7F7F7, 0xA0A0A0, 0x999999, 0xC3C3C3, 0xC9C9C9, 0xD5D5D5, 0xD7D7D7, 0xDFDFDF, 0xE0E0E0,
              0xE0E0E0, 0xE4E4E4, 0xE6E8E6, 0xE8E7E7, 0xEAE7E8, 0xEAE7E8, 0xEAE7E8, 0xEAE7E8, 0xEAE7E8],
        right=[0xEAE7E8, 0xEAE7E8, 0xEAE7E8, 0xEAE7E8, 0xE7E7E7, 0xE6E6E6, 0xE4E4E4, 0xE0E0E0, 0xE0E0E0,
               0xDEDEDE, 0xD9D9D9, 0xD3D3D3, 0xCCCCCC, 0xC3C3C3, 0xA3A3A3, 0x9C9C9C, 0xF6F6F6],
        top=[0x67696A, 0xF5F4F6, 0xF3F2F4, 0xEEEEEE, 0xEBEBEB, 0xEBE8EA, 0xEBE8EA, 0xEAEAEA, 0xE1E1E1,
             0xE5E2E3, 0xEAE7E8, 0xE8EBE9],
        bottom=[0xE8EBE9, 0xEEF1EF, 0xF2F2F2, 0xF5F5F5, 0xFFFEFE, 0xFFFFFF, 0xFDFDFD, 0xFEFEFE, 0xFBFBFB,
                0x545454, 0xC5C5C5],
        # Pixels left out at the outer end of each row, outermost row first.
        skip=dict(tl=[6, 5, 3, 3, 2, 1, 1, 1], tr=[7, 5, 4, 3, 2, 1, 1, 1],
                  bl=[5, 4, 3, 2, 2, 1, 1, 1], br=[6, 4, 4, 3, 3, 2, 1, 1, 1]),
        fixed_tl={0: {6: 0xFEFEFE, 7: 0xE6E6E6, 8: 0xACACAC, 9: 0x7A7A7A, 10: 0x6C6C6C, 11: 0x6B6B6B,
                      12: 0x6F6F6F, 13: 0x716F6F, 14: 0x727070, 15: 0x676866, 16: 0x6C6D6B, 17: 0x67696A},
                  8: dict(enumerate([0xFDFDFD, 0xC6C6C6, 0x7E7E7E, 0xABABAB, 0xC1C1C1, 0xC1C1C1, 0xCBCBCB,
                                     0xCECECE, 0xD5D5D5, 0xD8D8D8, 0xDADADA, 0xDDDDDD, 0xDEDEDE, 0xE1E1E1,
                                     0xE0E0E0, 0xE1E1E1, 0xE0E0E0, 0xE1E1E1]))}),
    "Hot": dict(
        centre=0xE2A66A, top_rows=11, bottom_rows=12,
        left=[0xF7F7F7, 0xB0A09E, 0x712E13, 0xBD5F14, 0xD17327, 0xD47F31, 0xD98C3D, 0xD9944B, 0xD7944F,
              0xDC9C55, 0xDC9B57, 0xE3A362, 0xE3A265, 0xE2A367, 0xE0A165, 0xE3A66A, 0xE3A66A, 0xE2A66A],
        right=[0xE2A66A, 0xE2A66A, 0xE1A464, 0xE0A363, 0xE0A363, 0xE1A161, 0xE09F5B, 0xDE9855, 0xDC9752,
               0xDB934B, 0xD68D39, 0xD17F2D, 0xD67426, 0xC05D13, 0x7C3514, 0xAB9B98, 0xF6F6F6],
        top=[0x450608, 0xF1D4C9, 0xE5C8BD, 0xE8C0A1, 0xE0B898, 0xE3B48E, 0xE0B18B, 0xE9B47F, 0xCE9963,
             0xDDA064, 0xE2A66A, 0xE6AC76],
        bottom=[0xE6AC76, 0xF1B681, 0xF3BD8A, 0xFCC592, 0xF8CE97, 0xFED59E, 0xF7DDA3, 0xFFE6AD, 0xE9E2C5,
                0x635D40, 0xC5C5C5],
        skip=dict(tl=[6, 5, 3, 3, 2, 1, 1, 1], tr=[7, 5, 4, 3, 2, 1, 1, 1],
                  bl=[5, 3, 2, 2, 1, 1], br=[6, 4, 3, 2, 1, 1]),
        fixed_tl={0: dict(zip(range(6, 18), [0xFEFEFE, 0xE6E5E5, 0xA9A5A5, 0x6C5E5E, 0x482729, 0x370D0C,
                                               0x370706, 0x360605, 0x3A0606, 0x410807, 0x450707, 0x450608]))}),
    "Pressed": dict(
        centre=0xCC9B6A, top_rows=11, bottom_rows=12,
        left=[0xF7F7F7, 0xA99D9B, 0x632D17, 0xA65A1D, 0xB96C2E, 0xBC7738, 0xC18242, 0xC2894E, 0xC18A52,
              0xC59157, 0xC59159, 0xCC9863, 0xCC9665, 0xCB9767, 0xC99565, 0xCC9A6A, 0xCC9A6A, 0xCC9B6A],
        right=[0xCC9B6A, 0xCC9B6A, 0xCA9864, 0xC99763, 0xC99763, 0xCA9562, 0xC9945D, 0xC68E57, 0xC48C55,
               0xC3884E, 0xBE823E, 0xB97634, 0xBD6D2D, 0xA8581C, 0x6D3319, 0xA49794, 0xF6F6F6],
        top=[0x3C090A, 0xDEC7BE, 0xD3BCB2, 0xD4B39A, 0xCCAC92, 0xCFA88A, 0xCCA587, 0xD2A77D, 0xB98E62,
             0xC69464, 0xCC9B6A, 0xD0A175],
        bottom=[0xD0A175, 0xDAAA7F, 0xDCB087, 0xE4B88E, 0xE1BF93, 0xE7C699, 0xE2CC9D, 0xE9D5A6, 0xD7D2BA,
                0x5A563E, 0xC5C5C5],
        skip=dict(tl=[6, 5, 3, 3, 2, 1, 1, 1], tr=[7, 5, 4, 3, 2, 1, 1, 1],
                  bl=[5, 3, 2, 2, 1, 1], br=[6, 4, 3, 2, 1, 1]),
        fixed_tl={}),
}
# The soft shadow under the button, the same in every skin: bottom-left row H-1, x = 5..17.
SHADOW_ROW = dict(zip(range(5, 18), [0xFCFCFC, 0xF5F5F5, 0xEBEBEB, 0xE1E1E1, 0xD6D6D6, 0xCECECE, 0xC9C9C9,
                                     0xC7C7C7, 0xC7C7C7, 0xC6C6C6, 0xC6C6C6, 0xC5C5C5, 0xC5C5C5]))
HALO = 0xFEFEFE


def channels(c):
    return c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF


def darkest(profile):
    return min(range(4), key=lambda i: sum(channels(profile[i])))


def corner(hprof, vprof, width, depth, radius):
    """Colours of a corner block in local coordinates: u inward from the vertical boundary,
    v inward from the horizontal one. Returns {(u, v): colour}."""
    oh, ov = darkest(hprof), darkest(vprof)

    def pick(profile, index):
        if index < 0:
            return HALO
        return profile[min(int(math.floor(index)), len(profile) - 1)]

    def sample(u, v):
        if u >= radius and v >= radius:
            return channels(hprof[-1])
        if u >= radius:
            return channels(pick(hprof, v))
        if v >= radius:
            return channels(pick(vprof, u))
        du, dv = radius - u, radius - v
        w = math.atan2(du, dv) / (math.pi / 2)  # 0 toward the horizontal edge, 1 toward the vertical
        delta = radius - math.hypot(du, dv)
        shift = delta - (oh + (ov - oh) * w)
        ch, cv = channels(pick(hprof, oh + shift)), channels(pick(vprof, ov + shift))
        return tuple(a + (b - a) * w for a, b in zip(ch, cv))

    out = {}
    for v in range(depth):
        for u in range(width):
            acc = [0.0, 0.0, 0.0]
            for sy in range(4):
                for sx in range(4):
                    s = sample(u + (sx + 0.5) / 4, v + (sy + 0.5) / 4)
                    acc = [a + b for a, b in zip(acc, s)]
            r, g, b = (int(round(a / 16)) for a in acc)
            out[(u, v)] = r | (g << 8) | (b << 16)
    return out


def emit_table(name, entries):
    print(f"constexpr CapsulePixel k{name}[] = {{")
    line = "   "
    for a, b, c in entries:
        item = f" {{{a}, {b}, 0x{c:06X}}},"
        if len(line) + len(item) > 100:
            print(line)
            line = "   "
        line += item
    print(line)
    print("};")


def colours(values):
    return ", ".join(f"0x{c:06X}" for c in values)


def main():
    print("// Generated by tools/assets/capsule_corners.py: the three skins of the capsule button.")
    print("// Corner tables: top-left (x, y); top-right (k, y) at (W-k, y); bottom-left (x, k) at")
    print("// (x, H-k); bottom-right (k, j) at (W-k, H-j). Pixels not listed keep what lies beneath.")
    print('#include "button/styles/pixel_capsule_skins.h"\n')
    print("// Generated tables keep the generator's layout.")
    print("// clang-format off")
    print("namespace quillet {")
    print("namespace {\n")
    for name, s in SKINS.items():
        t, b = s["top_rows"], s["bottom_rows"]
        top_h, bottom_h = s["top"], list(reversed(s["bottom"]))
        left_v, right_v = s["left"], list(reversed(s["right"]))
        radius_top, radius_bottom = 12, 10
        tl = corner(top_h, left_v, 18, t, radius_top)
        tr = corner(top_h, right_v, 17, t, radius_top)
        bl = corner(bottom_h, left_v, 18, b, radius_bottom)
        br = corner(bottom_h, right_v, 17, b, radius_bottom)
        for row, fixed in s["fixed_tl"].items():
            for x, c in fixed.items():
                tl[(x, row)] = c
        for x, c in SHADOW_ROW.items():
            bl[(x, 0)] = c

        def listed(block, width, depth, skip):
            rows = []
            for v in range(depth):
                first = skip[v] if v < len(skip) else 0
                rows += [(u, v, block[(u, v)]) for u in range(first, width)]
            return rows

        sk = s["skip"]
        emit_table(f"{name}TopLeft", listed(tl, 18, t, sk["tl"]))
        emit_table(f"{name}TopRight", [(u + 1, v, c) for u, v, c in listed(tr, 17, t, sk["tr"])])
        emit_table(f"{name}BottomLeft", [(u, v + 1, c) for u, v, c in listed(bl, 18, b, sk["bl"])])
        emit_table(f"{name}BottomRight",
                   [(u + 1, v + 1, c) for u, v, c in listed(br, 17, b, sk["br"])])
        print()
    print("}  // namespace\n")
    for name, s in SKINS.items():
        print(f"const CapsuleSkin Capsule{name}{{")
        print(f"    0x{s['centre']:06X},")
        print(f"    k{name}TopLeft, k{name}TopRight, k{name}BottomLeft, k{name}BottomRight,")
        for edge in ("left", "right", "top", "bottom"):
            print(f"    {{{colours(s[edge])}}},")
        print("};\n")
    print("}  // namespace quillet")
    print("// clang-format on")


if __name__ == "__main__":
    main()
