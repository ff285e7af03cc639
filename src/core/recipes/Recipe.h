#pragma once

#include <QString>

namespace vexamat {

// One record of a recipe register.
struct Recipe {
    QString rubrik;
    QString grupp1;
    QString grupp2;
    QString kodgram;
    QString beskrivning;
    QString grundPort; // as text; empty when the field is empty
};

} // namespace vexamat
