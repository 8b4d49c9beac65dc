#include "rules/StatHelpText.h"

std::string StatHelpText(StatId stat)
{
    switch (stat) {
    case StatId::HpMax:
        return "Augmente votre maximum de points de vie (HP) de 10%.";
    case StatId::MpMax:
        return "Augmente votre maximum de points de magie (MP) de 5. Avec beaucoup de MP, vous "
               "pouvez utiliser plus de sorts magiques.";
    case StatId::EpMax:
        return "Augmente votre maximum de points d'\xE9nergie (EP) de 5. Avec beaucoup d'EP, vous "
               "pouvez utiliser plus de techniques physiques.";
    case StatId::Attack:
        return "Augmente votre statistique Attaque de 1. Plus votre Attaque est bonne, plus vous "
               "avez de chances de r\xE9ussir une attaque de base.";
    case StatId::Mastery:
        return "Augmente votre statistique Ma\xEEtrise de 1. Plus votre Ma\xEEtrise est bonne, mieux "
               "vous utilisez le potentiel de frappe de l'arme.";
    case StatId::Dodge:
        return "Augmente votre statistique Esquive de 1. Plus votre esquive est bonne, plus vous "
               "avez de chances d'\xE9viter d'encaisser une attaque.";
    case StatId::Resistance:
        return "Augmente votre statistique R\xE9sistance de 1. Plus votre R\xE9sistance est bonne, "
               "mieux vous encaissez les attaques physiques ennemies.";
    case StatId::Magic:
        return "Augmente votre statistique Magie de 1. Plus votre Magie est bonne, plus vos sorts "
               "sont puissants.";
    case StatId::Aura:
        return "Augmente votre statistique Aura de 1. Plus votre Aura est bonne, mieux vous "
               "encaissez les attaques (magiques) ennemies (r\xE9" "duit les d\xE9g\xE2ts).";
    case StatId::HeroRank:
        return "Augmente votre Rang de 1. Un Rang de 5 donne acc\xE8s aux sorts des Cercles 1 \xE0 5. "
               "Plus le Cercle est \xE9lev\xE9, plus le sort est puissant.";
    case StatId::Mapt:
        return "Augmente votre statistique Maximum d'Actions Par Tour de 1. Si vous avez 5 de MAPT, "
               "vous pouvez effectuer 5 actions dans un m\xEAme tour de combat.";
    }
    return "Il y a un probl\xE8me, ce message ne devrait jamais appara\xEEtre... :-/";
}
