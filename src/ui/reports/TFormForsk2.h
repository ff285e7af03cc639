#pragma once

#include "core/reports/SurveySummary.h"
#include "ui/FormBase.h"

class QLabel;
class QPushButton;
class QTableView;

namespace vexamat {

class SurveyProject;
class SurveySummaryModel;

// The summary of a diet survey: each meal's sum, each day's sum and each person's mean per
// day, which "Till Excel" writes to a file of its own.
class TFormForsk2 : public FormBase {
    Q_OBJECT
public:
    TFormForsk2(AppState& state, Windows& windows, Dialogs& dialogs);

    // Rebuilds the summary from the project.
    void showSummary(const SurveyProject& project);
    const QList<SurveySummary::Row>& rows() const { return m_rows; }

    QTableView* Grid1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* LabelUtelamnat = nullptr;

private:
    void Button1Click();

    SurveySummaryModel* m_model = nullptr;
    QList<SurveySummary::Row> m_rows;
};

} // namespace vexamat
