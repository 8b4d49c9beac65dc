#include "Looks.h"

std::vector<Look> SylvaLooks() {
    const Rgba fair = Hex(0xf4c8a0), tanned = Hex(0xd89a6a), dark = Hex(0x9a6440), rosy = Hex(0xf8d0b4);
    std::vector<Look> looks;
    Look elian;  // the first hero: brown spiky hair, blue tunic, red scarf
    elian.file = "elian";
    elian.skin = fair; elian.hair = Hex(0x6a3e22); elian.eyes = Hex(0x3a6ab0); elian.hairStyle = Hair::Spiky;
    elian.shirt = Hex(0x3f6cc0); elian.trousers = Hex(0x6e4a2e); elian.shoes = Hex(0x4a2e1e);
    elian.accent = Hex(0xd04040); elian.background = Hex(0xa8d0f0);
    looks.push_back(elian);

    Look maelle;  // the second hero: copper hair in a ponytail, green ranger's dress
    maelle.file = "maelle";
    maelle.skin = rosy; maelle.hair = Hex(0xd0602a); maelle.eyes = Hex(0x3a8a4a); maelle.hairStyle = Hair::Ponytail;
    maelle.shirt = Hex(0x3e9a54); maelle.trousers = Hex(0x4a3a2a); maelle.shoes = Hex(0x5a3a22);
    maelle.accent = Hex(0xe8c050); maelle.background = Hex(0xbce4b0);
    looks.push_back(maelle);

    Look aubin;  // the elder: bald, long white beard, purple robe
    aubin.file = "aubin";
    aubin.skin = fair; aubin.hair = Hex(0xe8e8f0); aubin.eyes = Hex(0x4a4a6a); aubin.hairStyle = Hair::Bald;
    aubin.beard = true; aubin.robe = true; aubin.old = true;
    aubin.shirt = Hex(0x7a4aa8); aubin.trousers = Hex(0x5a3480); aubin.shoes = Hex(0x3a2a3a);
    aubin.accent = Hex(0xe8c050); aubin.background = Hex(0xd4c4ec);
    looks.push_back(aubin);

    Look odile;  // the herbalist: grey bun, headscarf, long dark green dress
    odile.file = "odile";
    odile.skin = tanned; odile.hair = Hex(0xa8a8b4); odile.eyes = Hex(0x5a4a3a); odile.hairStyle = Hair::Bun;
    odile.hat = Hat::Scarf; odile.hatColour = Hex(0x9a4a8a); odile.robe = true; odile.old = true;
    odile.shirt = Hex(0x4a6a4a); odile.trousers = Hex(0x3a4a3a); odile.shoes = Hex(0x3a2a22);
    odile.accent = Hex(0xc8a060); odile.background = Hex(0xf0c8d8);
    looks.push_back(odile);

    Look rosalie;  // the innkeeper: brown bun, red dress, white apron
    rosalie.file = "rosalie";
    rosalie.skin = fair; rosalie.hair = Hex(0x8a4a22); rosalie.eyes = Hex(0x6a3a2a); rosalie.hairStyle = Hair::Bun;
    rosalie.robe = true; rosalie.apron = true;
    rosalie.shirt = Hex(0xc03c44); rosalie.trousers = Hex(0x8a2a34); rosalie.shoes = Hex(0x4a2a22);
    rosalie.accent = Hex(0xf4f0e8); rosalie.background = Hex(0xf8e0a0);
    looks.push_back(rosalie);

    Look gaspard;  // the guard: steel helmet, chain shirt, short brown beard
    gaspard.file = "gaspard";
    gaspard.skin = tanned; gaspard.hair = Hex(0x5a3a22); gaspard.eyes = Hex(0x3a3a4a); gaspard.hairStyle = Hair::Short;
    gaspard.beard = true; gaspard.hat = Hat::Helmet; gaspard.hatColour = Hex(0xb4b8c8); gaspard.smile = false;
    gaspard.shirt = Hex(0x8a94a8); gaspard.trousers = Hex(0x3a4a6a); gaspard.shoes = Hex(0x3a2a22);
    gaspard.accent = Hex(0x3a5ab0); gaspard.background = Hex(0xb8c4d8);
    looks.push_back(gaspard);

    Look tom;  // the boy: small, blond, orange cap, green shirt
    tom.file = "tom";
    tom.skin = fair; tom.hair = Hex(0xf0d060); tom.eyes = Hex(0x3a7ac0); tom.hairStyle = Hair::Short;
    tom.hat = Hat::Cap; tom.hatColour = Hex(0xf08a3a); tom.child = true;
    tom.shirt = Hex(0x58b048); tom.trousers = Hex(0x4a5aa0); tom.shoes = Hex(0x6a3a22);
    tom.accent = Hex(0xf4f0e8); tom.background = Hex(0xfcd8a8);
    looks.push_back(tom);

    Look yves;  // the fisherman: yellow oilskin hat and coat, grey beard
    yves.file = "yves";
    yves.skin = dark; yves.hair = Hex(0x9a9aa4); yves.eyes = Hex(0x2a2a3a); yves.hairStyle = Hair::Short;
    yves.beard = true; yves.hat = Hat::WideHat; yves.hatColour = Hex(0xf0c83a); yves.old = true;
    yves.shirt = Hex(0xe8b830); yves.trousers = Hex(0x3a4a5a); yves.shoes = Hex(0x2a2a30);
    yves.accent = Hex(0xf4f0e8); yves.background = Hex(0xa8e0e0);
    looks.push_back(yves);

    Look bastien;  // the traveller: black hair, brown hood, teal coat
    bastien.file = "bastien";
    bastien.skin = tanned; bastien.hair = Hex(0x2a2230); bastien.eyes = Hex(0x2a2a2a); bastien.hairStyle = Hair::Long;
    bastien.hat = Hat::Hood; bastien.hatColour = Hex(0x7a5a3a);
    bastien.shirt = Hex(0x2a8a8a); bastien.trousers = Hex(0x4a3a2a); bastien.shoes = Hex(0x3a2a22);
    bastien.accent = Hex(0xe8c050); bastien.background = Hex(0xe4d0b0);
    looks.push_back(bastien);
    return looks;
}
