#include "ui/app/MainLayout.h"

#include <QWidget>

namespace vexamat {

namespace {

struct Entry {
    const char* name;
    bool simple;
    bool extended;
};

// Buttons whose windows are not built yet are listed as shown in neither layout.
const Entry kEntries[] = {
    // The meal's chart choices and the charts.
    {"Label2", false, true},
    {"SpeedButton9", false, true},
    {"SpeedButton10", false, true},
    {"SpeedButton11", false, true},
    {"ResultChartPanel", false, true},
    // The food list.
    {"ComboBoxSLVgrupp", true, true},
    {"ButtonFavoriter", false, true},
    {"ButtonSenaste", false, true},
    {"CheckBoxDabas", false, true},
    {"CheckBoxSnabbSok", false, false},
    {"ComboBoxFabrikant", false, false},
    // Help.
    {"ButtonEnklare", true, true},
    {"MemoHelp", true, false},
    {"CheckBoxHelp", false, false},
    // The detail windows.
    {"ButtonVisaSiffror", false, true},
    {"Button8", false, true},
    {"ButtonNvPerKg", false, true},
    {"ButtonNv100g", false, true},
    {"ButtonGram", false, true},
    {"ButtonFett", false, true},
    {"ButtonEnergiCirkel", false, true},
    {"ButtonLivsGrupper", false, true},
    {"ButtonSalt", false, true},
    {"ButtonInsulin", false, true},
    {"ButtonSkrivLivtab", false, false},
    {"ComboBoxExtra", false, false},
};

struct Hint {
    const char* name;
    const char* text;
};

const Hint kHints[] = {
    {"StringGridMaltid", "Högerklick visar enhetsvikter. Skriv gram, antal eller klockslag+ Enter"},
    {"ListBoxLivs", "Dubbelklicka för att välja livsmedel, höger klick visar näring per 100g"},
    {"Edit1", "Skriv gärna ett kort sökord"},
    {"ComboBoxSLVgrupp", "Söker på grupp i Livsmedelsverkets tabell"},
    {"ComboBoxFabrikant", "Artiklar från fabrikanter"},
    {"CheckBoxDabas", "Sök även i Dabas, Dabas innehåller ofta endast kcal, kJ, prot, fett och "
                      "kolhydrater. "},
    {"ListBoxVikter", "Klicka på önskad enhet"},
    {"SpeedButton8", "Klicka här för att se vilka näringsämnen som saknas"},
    {"ButtonSenaste", "Visa senast använda livsmedel"},
    {"ButtonEnergiCirkel", "Visar energifördelningen för valt livsmedel"},
    {"CheckBoxHelp", "Visar en hjälptext när du för musen över skärmens olika delar."},
};

} // namespace

void MainLayout::apply(QWidget& window, bool extended) {
    for (const Entry& entry : kEntries) {
        if (auto* widget = window.findChild<QWidget*>(QString::fromLatin1(entry.name)))
            widget->setVisible(extended ? entry.extended : entry.simple);
    }
}

void MainLayout::setHints(QWidget& window, bool on) {
    for (const Hint& hint : kHints) {
        if (auto* widget = window.findChild<QWidget*>(QString::fromLatin1(hint.name)))
            widget->setToolTip(on ? QString::fromUtf8(hint.text) : QString());
    }
}

} // namespace vexamat
