#pragma once

#include "widgets/CAssocChoiceBox.h"

// The list of heroes: items are hero names, values their identifiers.
class CPersoChoiceBox : public CAssocChoiceBox {
public:
    ~CPersoChoiceBox() override = default;
};
