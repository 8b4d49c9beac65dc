"""A small world source folder for the browser test: a 20 x 15 map of grass
with a path row, hero 1 "Aline" on tile (5, 5) facing right, NPC 7 "Bran"
on (6, 5) who answers the action key, and an opening message before the
map fades in. Pictures are flat colours, so that the test knows each pixel."""
import os
import struct
import zlib

GRASS = (40, 160, 60)
PATH = (190, 160, 100)
HERO = (220, 40, 40)
NPC = (40, 60, 220)
PATH_ROW = 10
OPENING = "Bienvenue dans le pré."
GREETING = "Bonjour, voyageur."

SCRIPT = """@script 1 start
SetFont 1 ;
CreateHeros 1 , "Aline" , 101 ;
SetHerosActif 1 ;
Lire "%s" ;
LoadMap "field" ;
SetHeros 1 , DROITE , 5 , 5 , 0 , 0 ;
FadeIn ;

@script 20 bran
Dire PNJ , 7 , "%s" ;
bloque ;
""" % (OPENING, GREETING)

WORLD = """{
  "name": "Sylva",
  "title": "Le pré d'Aline",
  "start_script": 1,
  "menu": { "save": true, "entries": [ "save" ] },
  "font": { "texture": 1, "file": "font.tga" },
  "scripts": [ { "source": "scripts/game.tsl.txt", "file": "game.tsl" } ],
  "textures": [
    { "texture": 100, "source": "art/bran.png", "file": "bran.tga" },
    { "texture": 101, "source": "art/aline.png", "file": "aline.tga" }
  ],
  "maps": [ { "source": "maps/field.tmx", "name": "field" } ]
}
"""


def png(width, height, pixel):
    """An RGB PNG whose pixel (x, y) from the top-left is pixel(x, y)."""
    rows = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width))
                    for y in range(height))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def tiles(x, y):
    # Cell 0 grass, cell 1 path; the rest of the sheet stays grass.
    return PATH if (x // 32, y // 32) == (1, 0) else GRASS


def character(colour):
    # Every frame a block of the character's colour, with a dark eye line so
    # that the sprite is not one flat square.
    def pixel(x, y):
        return (0, 0, 0) if y % 32 == 10 else colour
    return pixel


def tmx():
    rows = []
    for y in range(15):
        tile = 2 if y == PATH_ROW else 1
        rows.append(",".join([str(tile)] * 20))
    return """<?xml version="1.0" encoding="UTF-8"?>
<map version="1.8" orientation="orthogonal" renderorder="right-down" width="20" height="15"
     tilewidth="32" tileheight="32" infinite="0" nextlayerid="3" nextobjectid="2">
 <tileset firstgid="1" name="tiles" tilewidth="32" tileheight="32" tilecount="256" columns="16">
  <properties><property name="texture" type="int" value="10"/></properties>
  <image source="../art/tiles.png" width="512" height="512"/>
 </tileset>
 <layer id="1" name="ground" width="20" height="15">
  <data encoding="csv">
%s
</data>
 </layer>
 <objectgroup id="2" name="characters">
  <object id="1" name="Bran" type="npc" x="192" y="160" width="32" height="32">
   <properties>
    <property name="id" type="int" value="7"/>
    <property name="texture" type="int" value="100"/>
    <property name="script" type="int" value="20"/>
   </properties>
  </object>
 </objectgroup>
</map>
""" % ",\n".join(rows)


def write(folder):
    for sub in ("scripts", "maps", "art"):
        os.makedirs(os.path.join(folder, sub), exist_ok=True)
    files = {
        "world.json": WORLD.encode("utf-8"),
        "scripts/game.tsl.txt": SCRIPT.encode("utf-8"),
        "maps/field.tmx": tmx().encode("utf-8"),
        "art/tiles.png": png(512, 512, tiles),
        "art/aline.png": png(128, 128, character(HERO)),
        "art/bran.png": png(128, 128, character(NPC)),
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
