"""card_pictures.py -- which picture shows which card: card n is Form3.Image(n + 7) for 1..5 and
Form3.Image(n + 8) for 6..70 (Form3.Image13 between them is the white moon)."""

CARD_COUNT = 70


def card_picture(n):
    return "Form3.Image%d" % (n + 7 if n <= 5 else n + 8)


_CARD_OF = {card_picture(n): n for n in range(1, CARD_COUNT + 1)}


def card_of_picture(name):
    """The card a picture shows, or None."""
    return _CARD_OF.get(name)
