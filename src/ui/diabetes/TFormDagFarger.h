#pragma once

#include "ui/FormBase.h"

class QButtonGroup;
class QGroupBox;
class QTableWidget;

namespace vexamat {

// The legend of the days view: each day's colour, and which meal of each day the view shows.
class TFormDagFarger : public FormBase {
    Q_OBJECT
public:
    TFormDagFarger(AppState& state, Windows& windows, Dialogs& dialogs);

    // Colour index of a grid row: rows 1..9 use 1..9, later rows repeat them; row 0 is 0.
    static int colourIndex(int row);

    void RadioGroup1Click();

    QTableWidget* StringGrid1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* RadioGroup1Items = nullptr;
};

} // namespace vexamat
