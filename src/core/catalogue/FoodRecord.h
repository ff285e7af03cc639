#pragma once

#include <QString>

namespace vexamat {

// The summary of one food that the search and the filters work on.
struct FoodRecord {
    static constexpr int kKodLength = 22;
    static constexpr int kLivsmedelLength = 80;
    static constexpr int kEnhetLength = 16;
    static constexpr int kPortionLength = 8;
    static constexpr int kGruppLength = 30;

    QString kod;
    QString livsmedel;
    QString enhet;
    QString portionsstorlek; // grams of one default unit, as text with a decimal comma
    QString grupp1;          // group (livtab100) or brand (dabas)
    QString upperName;       // livsmedel in upper case, kept ready for the name search
};

} // namespace vexamat
