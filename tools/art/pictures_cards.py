"""pictures_cards.py -- the seventy card pictures: one frame per run, a motif per card, the name scroll."""
import random

from svgkit import doc, radial, linear, text, pts, flame, skull, gem, crystal, figure, moon, bolt_path

NAMES = ["Abandon", "Architect", "Assassin", "Babel", "Black Sheep", "Blood Feud", "Bloodline", "Conscript",
         "Consolidate", "Conversion", "Courtesan", "Demob", "Harlequin", "Nobles", "Peace", "Princess", "The Rose",
         "Royalty", "Seduction", "Slander", "Trader", "Ambush", "Archers", "Barbarian", "Cavalry", "Defend",
         "Engineer", "Enrage", "From Above", "Ghost Rider", "Infiltration", "Mercenary", "Reinforce", "Siege",
         "Slavery", "Thief", "Titan", "Trebuchet", "War Beast", "Warrioress", "Alchemist", "Blood", "Confusion",
         "Drake", "Druids", "Endurance", "Exhaustion", "Fear", "Firebolt", "Frost", "Haunt", "Healer", "Horror",
         "Lightning", "Locusts", "Nature", "Pacify", "Plague", "Prayer", "Sorcery", "Tornado", "Void", "Blacklight",
         "Devastate", "Emerald", "Sacrifice", "Stone", "Summoner", "Unleash", "Wisdom"]

# What each card shows inside its frame, in a 136 x 176 window.
MOTIFS = {
    1: ("tower", "#40506a"), 2: ("tower", "#8a8070"), 3: ("figure:sword:crouch", "#101014"), 4: ("babel", "#6a6050"),
    5: ("figure::crouch:f", "#0a0a0c"), 6: ("swords", "#a01010"), 7: ("drop", "#a01010"), 8: ("figure:spear", "#3a3a30"),
    9: ("wall", "#7a7a78"), 10: ("swirl", "#6040a0"), 11: ("figure:::f", "#c8a890"), 12: ("shield", "#606878"),
    13: ("mask", "#c02040"), 14: ("crown", "#d0a030"), 15: ("dove", "#f0f0ff"), 16: ("figure:::f", "#d8c8e8"),
    17: ("rose", "#c01020"), 18: ("crown", "#f0c040"), 19: ("rose", "#e02050"), 20: ("mask", "#404040"),
    21: ("coins", "#e0b030"), 22: ("eyes", "#c02010"), 23: ("figure:bow", "#3a3020"), 24: ("figure:sword", "#5a3a28"),
    25: ("figure:spear", "#2a2420"), 26: ("shield", "#a0a8b8"), 27: ("figure:staff", "#6a5a40"),
    28: ("face", "#c01010"), 29: ("bolt", "#ffe0a0"), 30: ("figure:spear", "#d0d8e8"), 31: ("figure::crouch", "#151518"),
    32: ("figure:sword", "#4a3a30"), 33: ("wall", "#8a8c90"), 34: ("fire", "#ff6010"), 35: ("chains", "#707070"),
    36: ("coins", "#c09020"), 37: ("figure:blade", "#3a4252"), 38: ("trebuchet", "#6a4a2a"), 39: ("eyes", "#e0ff40"),
    40: ("figure:skullspear:stand:f", "#4a2a20"), 41: ("flask", "#60e0a0"), 42: ("drop", "#c01010"),
    43: ("swirl", "#a060e0"), 44: ("dragon", "#2050a0"), 45: ("stones", "#6a8a50"), 46: ("dragon", "#2a6a20"),
    47: ("moon", "#808090"), 48: ("face", "#6a0a0a"), 49: ("fire", "#ff4000"), 50: ("frost", "#a8d8ff"),
    51: ("skull", "#e0e4ec"), 52: ("cross", "#60e060"), 53: ("skull", "#c03020"), 54: ("bolt", "#c070ff"),
    55: ("swarm", "#6a6a20"), 56: ("tree", "#3a8030"), 57: ("dove", "#e0f0ff"), 58: ("skull", "#8a9a40"),
    59: ("hands", "#f0d080"), 60: ("swirl", "#40a0ff"), 61: ("tornado", "#a0a8b0"), 62: ("void", "#000000"),
    63: ("eyes", "#60e020"), 64: ("dragon", "#c03010"), 65: ("gem", "#20c060"), 66: ("drop", "#900010"),
    67: ("wall", "#909090"), 68: ("face", "#a01010"), 69: ("fire", "#ff2080"), 70: ("moon", "#f0f0e0"),
}


def run_of(n):
    if n <= 21:
        return "#3a6aff", "url(#gold)"
    if n <= 40:
        return "#e02020", "url(#gold)"
    if n <= 62:
        return "#f0a020", "url(#gold)"
    return "#c0c8d0", "url(#silver)"


def motif(kind, col, rng):
    """Shapes drawn in a 136 x 176 window with origin at its top-left."""
    parts = kind.split(":")
    k = parts[0]
    s = ""
    if k == "figure":
        weapon = parts[1] if len(parts) > 1 and parts[1] else None
        pose = parts[2] if len(parts) > 2 and parts[2] else "stand"
        female = len(parts) > 3
        s += figure(62, 168, 120 if pose == "stand" else 130, col, pose=pose, weapon=weapon, female=female,
                    horns=weapon == "skullspear", cape="#400a10" if weapon in ("sword", "blade") else None)
    elif k == "tower":
        s += '<rect x="46" y="50" width="44" height="126" fill="%s" filter="url(#stone)"/>' % col
        s += '<rect x="40" y="40" width="56" height="14" fill="%s"/>' % col
        for i in range(4):
            s += '<rect x="%d" y="30" width="8" height="12" fill="%s"/>' % (41 + i * 15, col)
        s += '<rect x="62" y="80" width="10" height="18" fill="#ffcc55" filter="url(#softglow)"/>'
    elif k == "babel":
        for i in range(6):
            w = 110 - i * 16
            s += '<rect x="%d" y="%d" width="%d" height="22" fill="%s" stroke="#2a2620" filter="url(#stone)"/>' % (68 - w / 2, 154 - i * 24, w, col)
    elif k == "swords":
        s += '<path d="M20,160 L116,30 M116,160 L20,30" stroke="#dfe6f0" stroke-width="6"/>'
        s += '<path d="M30,136 L46,152 M106,136 L90,152" stroke="#c8a040" stroke-width="7"/>'
        s += '<path d="M68,120 C80,140 80,160 68,176 C56,160 56,140 68,120 Z" fill="%s"/>' % col
    elif k == "drop":
        s += '<path d="M68,20 C90,70 110,100 110,124 A42,42 0 0 1 26,124 C26,100 46,70 68,20 Z" fill="url(#blood)" filter="url(#softglow)"/>'
        s += '<ellipse cx="50" cy="120" rx="7" ry="16" fill="#ffb0a0" opacity="0.6"/>'
    elif k == "wall":
        for r in range(6):
            for c in range(4):
                x = c * 36 - (18 if r % 2 else 0)
                s += '<rect x="%d" y="%d" width="34" height="24" rx="2" fill="%s" stroke="#202022" stroke-width="2"/>' % (x, 30 + r * 25, col)
        s = '<g filter="url(#stone)">%s</g>' % s
    elif k == "swirl":
        for i in range(5):
            r = 10 + i * 10
            s += '<path d="M%d,88 a%d,%d 0 1 1 %d,%d" stroke="%s" stroke-width="%d" fill="none" opacity="%.2f" transform="rotate(%d 68 88)"/>' % (
                68 - r, r, r, r, -r, col, 6 - i, 1 - i * 0.15, i * 70)
        s = '<g filter="url(#glow)">%s</g>' % s
    elif k == "shield":
        s += '<path d="M68,24 L116,40 C116,110 96,140 68,160 C40,140 20,110 20,40 Z" fill="url(#silver)" stroke="#202838" stroke-width="3"/>'
        s += '<path d="M68,34 V150 M28,70 H108" stroke="%s" stroke-width="6"/>' % col
    elif k == "mask":
        s += '<path d="M24,60 C24,30 112,30 112,60 C112,120 90,150 68,150 C46,150 24,120 24,60 Z" fill="%s" stroke="#f0d080" stroke-width="2"/>' % col
        s += '<path d="M38,76 q12,-10 24,0 q-12,8 -24,0 M74,76 q12,-10 24,0 q-12,8 -24,0" fill="#000"/>'
        s += '<path d="M50,118 q18,14 36,0" stroke="#000" stroke-width="4" fill="none"/>'
        s += '<path d="M24,56 L10,30 L40,40 M112,56 L126,30 L96,40" fill="#f0d080"/>'
    elif k == "crown":
        s += '<path d="M20,120 L24,60 L46,90 L68,46 L90,90 L112,60 L116,120 Z" fill="url(#gold)" stroke="#4a2a04" stroke-width="2"/>'
        s += '<rect x="20" y="118" width="96" height="16" fill="url(#gold)" stroke="#4a2a04"/>'
        s += gem(68, 104, 9, "#ffb0b0", "#c01020", "#400008") + gem(40, 126, 5, "#b0c8ff", "#2050c0", "#001040") + gem(96, 126, 5, "#b0ffb0", "#20a040", "#004010")
    elif k == "dove":
        s += '<g transform="translate(68,96) scale(0.55)" fill="%s" stroke="#8090b0" stroke-width="2">' % col
        s += '<path d="M-10,0 C-40,-40 -80,-110 -60,-140 C-20,-100 0,-50 10,-10 Z"/><path d="M10,-5 C40,-60 100,-100 120,-90 C90,-60 60,-20 20,5 Z"/>'
        s += '<path d="M-70,10 C-30,-10 30,-14 60,0 C70,4 80,0 90,-6 L84,6 C60,20 0,30 -40,26 L-90,50 L-80,24 Z"/></g>'
    elif k == "rose":
        s += '<path d="M68,90 C64,130 72,150 68,176" stroke="#1a4a18" stroke-width="5" fill="none"/>'
        s += '<path d="M70,130 C90,118 104,124 110,110 C90,106 78,116 70,130 Z" fill="#2a6a20"/>'
        s += '<path d="M68,40 C100,46 104,90 86,106 C78,114 58,114 50,106 C32,90 36,46 68,40 Z" fill="%s"/>' % col
        s += '<path d="M68,52 C84,60 84,86 68,98 C56,86 56,62 68,52 Z" fill="#700010" opacity="0.7"/>'
    elif k == "coins":
        for i in range(9):
            x, y = rng.uniform(26, 110), 160 - (i % 4) * 10 - (i // 4) * 28
            s += '<ellipse cx="%.0f" cy="%.0f" rx="16" ry="7" fill="url(#gold)" stroke="#5a3a08"/>' % (x, y)
        s += '<path d="M40,100 C40,60 96,60 96,100 L100,130 L36,130 Z" fill="#6a4a2a" stroke="#2a1a0a"/>'
        s += '<path d="M52,70 L84,70" stroke="#c8a040" stroke-width="4"/>'
    elif k == "eyes":
        s += '<rect width="136" height="176" fill="#000" opacity="0.6"/>'
        for cx in (44, 92):
            s += '<ellipse cx="%d" cy="84" rx="20" ry="11" fill="%s" filter="url(#glow)"/><ellipse cx="%d" cy="84" rx="3" ry="10" fill="#000"/>' % (cx, col, cx)
    elif k == "face":
        s += '<ellipse cx="68" cy="90" rx="44" ry="62" fill="%s" filter="url(#grain)"/>' % col
        s += '<path d="M40,72 L62,84 L40,88 Z M96,72 L74,84 L96,88 Z" fill="#ffd020" filter="url(#softglow)"/>'
        s += '<ellipse cx="68" cy="124" rx="16" ry="20" fill="#100000"/>'
    elif k == "bolt":
        s += '<g filter="url(#glow)"><polygon points="%s" fill="%s"/></g>' % (bolt_path(rng, 70, 0, 64, 176, 8, 26, 7), col)
    elif k == "fire":
        s += flame(68, 176, 120, 150, rng.randint(1, 99), ("#fff7b0", col, "#801000"))
    elif k == "chains":
        for i in range(7):
            s += '<ellipse cx="%d" cy="%d" rx="12" ry="7" fill="none" stroke="%s" stroke-width="5" transform="rotate(%d %d %d)"/>' % (
                20 + i * 16, 40 + i * 16, col, 45 if i % 2 else -45, 20 + i * 16, 40 + i * 16)
        s += '<rect x="70" y="120" width="40" height="40" rx="4" fill="#4a4a48" stroke="#202020"/>'
    elif k == "trebuchet":
        s += '<path d="M20,170 L60,90 L100,170 M60,90 L10,40 M60,90 L110,110" stroke="%s" stroke-width="7" fill="none"/>' % col
        s += '<rect x="98" y="104" width="22" height="22" fill="#3a3a3a"/><circle cx="12" cy="36" r="9" fill="#6a6a6a"/>'
        s += '<rect x="10" y="166" width="110" height="8" fill="%s"/>' % col
    elif k == "flask":
        s += '<path d="M58,30 h20 v30 C110,80 116,110 110,140 C104,166 32,166 26,140 C20,110 26,80 58,60 Z" fill="#1a2a2a" stroke="#c0c8d0" stroke-width="2"/>'
        s += '<path d="M28,112 C30,150 40,160 68,160 C96,160 106,150 108,112 Z" fill="%s" filter="url(#softglow)"/>' % col
        for i in range(5):
            s += '<circle cx="%.0f" cy="%.0f" r="%.0f" fill="#e0fff0" opacity="0.7"/>' % (rng.uniform(40, 96), rng.uniform(60, 120), rng.uniform(2, 6))
    elif k == "dragon":
        from pictures_figures import dragon
        s += dragon(60, 100, 0.55, col, col, breath=True)
    elif k == "stones":
        for i in range(5):
            x = 8 + i * 26
            s += '<path d="M%d,160 L%d,%d L%d,%d L%d,160 Z" fill="#7a7a78" stroke="#2a2a28" filter="url(#stone)"/>' % (x, x + 2, 90 + (i % 2) * 14, x + 18, 94, x + 20)
        s += '<circle cx="68" cy="60" r="18" fill="#d0ffc0" opacity="0.7" filter="url(#glow)"/>'
        s += '<rect y="158" width="136" height="18" fill="#2a3a20"/>'
    elif k == "moon":
        s += moon(68, 80, 44, col, "#505060", rng.randint(1, 99))
    elif k == "frost":
        for i in range(6):
            import math
            a = i * math.pi / 3
            s += '<path d="M68,88 l%.1f,%.1f" stroke="%s" stroke-width="6" stroke-linecap="round"/>' % (60 * math.cos(a), 60 * math.sin(a), col)
            s += '<path d="M%.1f,%.1f l%.1f,%.1f M%.1f,%.1f l%.1f,%.1f" stroke="%s" stroke-width="4"/>' % (
                68 + 35 * math.cos(a), 88 + 35 * math.sin(a), 16 * math.cos(a + 0.8), 16 * math.sin(a + 0.8),
                68 + 35 * math.cos(a), 88 + 35 * math.sin(a), 16 * math.cos(a - 0.8), 16 * math.sin(a - 0.8), col)
        s = '<g filter="url(#softglow)">%s</g>' % s
    elif k == "skull":
        s += skull(68, 84, 96, fill=col, eye="#100000")
    elif k == "cross":
        s += '<path d="M68,30 V150 M28,80 H108" stroke="%s" stroke-width="18" stroke-linecap="round" filter="url(#glow)"/>' % col
    elif k == "swarm":
        for i in range(60):
            x, y = rng.uniform(4, 132), rng.uniform(10, 170)
            s += '<ellipse cx="%.0f" cy="%.0f" rx="4" ry="2" fill="%s" transform="rotate(%d %.0f %.0f)"/>' % (x, y, col, rng.randint(0, 180), x, y)
    elif k == "tree":
        s += '<path d="M68,176 L68,90 M68,120 L40,90 M68,110 L96,80" stroke="#3a2a18" stroke-width="8"/>'
        for i in range(9):
            s += '<circle cx="%.0f" cy="%.0f" r="%.0f" fill="%s" opacity="0.9"/>' % (rng.uniform(26, 110), rng.uniform(40, 100), rng.uniform(14, 22), col)
    elif k == "hands":
        s += '<circle cx="68" cy="50" r="30" fill="%s" opacity="0.6" filter="url(#glow)"/>' % col
        s += '<path d="M50,170 L56,90 L66,70 L70,90 L70,170 Z M86,170 L80,90 L70,70 L66,90 L66,170 Z" fill="#c8a890" stroke="#4a3020"/>'
    elif k == "tornado":
        for i in range(8):
            s += '<ellipse cx="%d" cy="%d" rx="%d" ry="%d" fill="none" stroke="%s" stroke-width="4" opacity="0.8"/>' % (
                68 + (i % 2) * 6, 30 + i * 18, 56 - i * 6, 8, col)
    elif k == "void":
        s += '<circle cx="68" cy="88" r="54" fill="#6030a0" opacity="0.6" filter="url(#glow)"/><circle cx="68" cy="88" r="44" fill="#000"/>'
    elif k == "gem":
        s += gem(68, 88, 44, "#c0ffd0", col, "#02401a")
    return s


def card(w, h, n):
    name = NAMES[n - 1]
    gem_col, frame = run_of(n)
    kind, col = MOTIFS[n]
    rng = random.Random(n)
    d = linear("cardbg", [(0, "#0a0e1c", 1), (1, "#1c2640", 1)])
    d += '<clipPath id="win"><rect x="0" y="0" width="136" height="176" rx="4"/></clipPath>'
    s = '<rect width="%d" height="%d" fill="#05060a"/>' % (w, h)
    s += '<rect x="2" y="2" width="%d" height="%d" rx="8" fill="%s" stroke="#1a1006" stroke-width="2"/>' % (w - 4, h - 4, frame)
    x0 = (w - 136) // 2
    s += '<rect x="%d" y="22" width="136" height="176" rx="4" fill="url(#cardbg)" stroke="#1a1006" stroke-width="2"/>' % x0
    s += '<g transform="translate(%d,22)" clip-path="url(#win)">' % x0
    s += '<rect width="136" height="176" fill="#fff" opacity="0.15" filter="url(#mist)"/>'
    # A glow of the card's own colour behind its motif, and a dark floor.
    s += '<ellipse cx="68" cy="92" rx="70" ry="80" fill="%s" opacity="0.35" filter="url(#blur15)"/>' % (col if col != "#000000" else "#6030a0")
    s += '<rect y="150" width="136" height="26" fill="#000" opacity="0.35" filter="url(#blur6)"/>'
    s += motif(kind, col, rng) + "</g>"
    # The gem at the top tells the run.
    s += '<circle cx="%d" cy="14" r="11" fill="%s" stroke="#1a1006"/>' % (w // 2, frame)
    s += '<circle cx="%d" cy="14" r="7.5" fill="%s" stroke="#000" filter="url(#softglow)"/>' % (w // 2, gem_col)
    s += '<ellipse cx="%d" cy="11" rx="3" ry="2" fill="#fff" opacity="0.8"/>' % (w // 2 - 2)
    # The scroll with the name.
    s += '<path d="M10,212 C30,204 %d,204 %d,212 L%d,250 C%d,258 30,258 10,250 Z" fill="url(#parchment)" stroke="#4a3010" stroke-width="1.5"/>' % (
        w - 30, w - 10, w - 10, w - 30)
    s += '<path d="M10,212 c-8,4 -8,34 0,38 M%d,212 c8,4 8,34 0,38" stroke="#4a3010" stroke-width="1.5" fill="#b09060"/>' % (w - 10)
    size = 15 if len(name) <= 10 else 13
    s += text(w / 2, 237, name, size, "#2a1404")
    return doc(w, h, s, d)
