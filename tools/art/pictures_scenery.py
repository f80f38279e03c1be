"""pictures_scenery.py -- the eleven places of the campaign: their names as the plaques letter
them, and where they lie on the map (x, y of the map picture)."""

PLACES = [("Gorg Na'kath", 77, 199), ("Cha'da Gorth", 230, 209), ("Grage", 327, 62), ("The Long Fade", 602, 23),
          ("Malice", 725, 167), ("Orth Nyra", 470, 283), ("Nihil Urb E'a", 385, 362), ("Gorthin", 439, 447),
          ("Seldyr", 532, 570), ("Sha'teath", 221, 567), ("Blythe", 74, 577)]
