#pragma once

namespace vexamat {

// The choices of the report window: what to print and in how much detail.
struct ReportOptions {
    enum class What { Meal, Day, AllDays };                       // "Vad ska skrivas ut?"
    enum class Detail { AllFoods, MealSums, DaySums, PeriodSum }; // "Hur detaljerad ..."

    What what = What::Meal;
    Detail detail = Detail::AllFoods;
    int day = 0; // the current day and meal, for Meal and Day
    int meal = 0;
    bool bars = true;           // "Stapeldiagram"
    bool fatComposition = true; // "Skriv fettsammansättning"
    bool compressed = false;    // "Komprimerad utskrift"
};

} // namespace vexamat
