#pragma once

#include "core/norms/ActivityTable.h"
#include "core/norms/EnergyExpenditure.h"
#include "ui/FormBase.h"
#include "ui/ResultView.h"
#include "ui/SideFileWindow.h"

class QButtonGroup;
class QChart;
class QChartView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTableWidget;
class QTableWidgetItem;

namespace vexamat {

// The day's energy use from the basal metabolic rate and the activities done, made the
// active norm of kind "aktivnorm" at every change and drawn against the day's intake.
class TFormAktiv : public FormBase, public ResultView, public SideFileWindow {
    Q_OBJECT
public:
    TFormAktiv(AppState& state, Windows& windows, Dialogs& dialogs);

    // Redraws the intake bar; returns at once while the window is hidden.
    void refresh(const AppState& state) override;
    QString sideFileNormKind() const override { return EnergyExpenditure::kKind; }
    RegistrationDocument::SideFileHandler sideFileHandler() override;

    // What the window computes from: its boxes and its activity rows.
    ActivityInputs inputs() const;
    const ActivityResult& result() const { return m_result; }

    QLineEdit* EditAge = nullptr;
    QLineEdit* Editkg = nullptr;
    QGroupBox* RadioGroupSex = nullptr;
    QButtonGroup* RadioGroupSexItems = nullptr;
    QGroupBox* RadioGroupKcal = nullptr;
    QButtonGroup* RadioGroupKcalItems = nullptr;
    QLabel* Label1 = nullptr; // of EditBMR
    QLineEdit* EditBMR = nullptr;
    QLabel* Label3 = nullptr; // of EditTot
    QLineEdit* EditTot = nullptr;
    QLineEdit* EditMinKvar = nullptr;
    QTableWidget* StringGridAktiv = nullptr;
    QTableWidget* StringGridAktivKj = nullptr;
    QTableWidget* StringGridAktivH = nullptr;
    QListWidget* ListBoxAktiv = nullptr;
    QListWidget* ListBoxAktivH = nullptr;
    QComboBox* Cboxgrupp = nullptr;
    QChartView* ChartAktiv = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonOka = nullptr;
    QPushButton* ButtonMinska = nullptr;
    QPushButton* ButtonTabort = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    QTableWidget* makeGrid(const char* name, const QStringList& headings, int columns);
    void CboxgruppClick();
    void addActivity();
    void ButtonOkaClick();
    void ButtonMinskaClick();
    void ButtonTabortClick();
    void removeRow(int row);
    void Sparaaktivitetslista1Click();
    void Hmtaaktivitetslista1Click();
    void Aktivitetstabell1Click();
    void numberBoxEdited(QLineEdit* box, QString& lastGood, const QString& message,
                         bool mustBePositive);
    void gridCellChanged(QTableWidget* grid, QTableWidgetItem* item);

    // Recomputes the expenditure; with activate it also makes it the active norm and
    // refreshes every view (opening a registration refreshes them itself).
    void ComputeActivityNorm(bool activate = true);
    void ShowActivityChart(const AppState& state);
    void setInputs(const ActivityInputs& inputs);
    QTableWidget* visibleGrid() const;
    int currentRow() const;
    void setCell(int row, int column, const QString& text);
    QString hidden(int row, int column) const;
    bool kjMode() const;

    QList<Activity> m_listed; // the activities of ListBoxAktiv, in its order
    ActivityResult m_result;
    float m_bmr = EnergyExpenditure::kStartBmr;
    QString m_goodAge = QStringLiteral("15");
    QString m_goodWeight = QStringLiteral("55");
    bool m_computed = false;
    bool m_filling = false; // the program writes cells: no edit to check
    QChart* m_chart = nullptr;
};

} // namespace vexamat
