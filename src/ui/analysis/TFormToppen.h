#pragma once

#include "ui/FormBase.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vexamat {

// The foods of a food table that are richest in the chosen nutrient. Core builds the list;
// this window only shows it and asks how many lines to write.
class TFormToppen : public FormBase {
    Q_OBJECT
public:
    TFormToppen(AppState& state, Windows& windows, Dialogs& dialogs);

    void ListBox1Click();
    void RadioGroup1Click();
    void Button1Click();

    // The nutrient number of a ListBox1 item: kJ, kcal, then protein onwards.
    static int nutrientOfItem(int item);

    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* RadioGroup1Items = nullptr;
    QListWidget* ListBoxSynlig = nullptr;
    QPushButton* Button1 = nullptr;

private:
    void fillNutrients();
    void showEvent(QShowEvent* event) override;

    int m_nutrient = 0; // the last chosen nutrient, for the printout
    QString m_heading;
    QStringList m_lines;
};

} // namespace vexamat
