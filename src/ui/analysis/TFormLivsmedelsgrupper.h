#pragma once

#include "core/analysis/FoodGroupGrams.h"
#include "ui/FormBase.h"
#include "ui/ResultView.h"

class QButtonGroup;
class QCheckBox;
class QPlainTextEdit;
class QShowEvent;

namespace vexamat {

class HorizontalBarChart;

// Grams per food group on the current day or as a daily average.
class TFormLivsmedelsgrupper : public FormBase, public ResultView {
    Q_OBJECT
public:
    TFormLivsmedelsgrupper(AppState& state, Windows& windows, Dialogs& dialogs);

    // Returns at once while the window is hidden; it catches up when shown.
    void refresh(const AppState& state) override;

Q_SIGNALS:
    // "Visa endast livsmedel ur råvarugrupperna" was ticked or cleared.
    void onlyRawMaterialsChanged(bool only);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RefreshFoodGroups(const AppState& state);
    void DrawFoodGroups();

    HorizontalBarChart* ChartLivsgrupper = nullptr;
    QButtonGroup* rgrupp1 = nullptr;
    QCheckBox* CheckBoxEndastRavaror = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    FoodGroupGrams::PerDay m_groupGrams{};
    int m_currentDay = 0;
    int m_daysWithIntake = 0;
};

} // namespace vexamat
