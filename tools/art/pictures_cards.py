"""pictures_cards.py -- the seventy card pictures: an ornate frame per run, each card's own
illustration (tools/art/cards/), and the name on its scroll below the hand's cost box."""
from cards import amber, ember, frame, night, paint, silver

NAMES = ["Abandon", "Architect", "Assassin", "Babel", "Black Sheep", "Blood Feud", "Bloodline", "Conscript",
         "Consolidate", "Conversion", "Courtesan", "Demob", "Harlequin", "Nobles", "Peace", "Princess", "The Rose",
         "Royalty", "Seduction", "Slander", "Trader", "Ambush", "Archers", "Barbarian", "Cavalry", "Defend",
         "Engineer", "Enrage", "From Above", "Ghost Rider", "Infiltration", "Mercenary", "Reinforce", "Siege",
         "Slavery", "Thief", "Titan", "Trebuchet", "War Beast", "Warrioress", "Alchemist", "Blood", "Confusion",
         "Drake", "Druids", "Endurance", "Exhaustion", "Fear", "Firebolt", "Frost", "Haunt", "Healer", "Horror",
         "Lightning", "Locusts", "Nature", "Pacify", "Plague", "Prayer", "Sorcery", "Tornado", "Void", "Blacklight",
         "Devastate", "Emerald", "Sacrifice", "Stone", "Summoner", "Unleash", "Wisdom"]

PAINTERS = {**night.CARDS, **ember.CARDS, **amber.CARDS, **silver.CARDS}


def run_name(n):
    if n <= 21:
        return "night"
    if n <= 40:
        return "ember"
    if n <= 62:
        return "amber"
    return "silver"


def card(w, h, n):
    run = run_name(n)
    scene = paint.Scene(run, n)
    PAINTERS[n](scene)
    defs, body = scene.render()
    return frame.card(w, h, NAMES[n - 1], run, defs, body)
