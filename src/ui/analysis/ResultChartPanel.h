#pragma once

#include "ui/ResultView.h"

#include <QWidget>

class QChartView;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace vexamat {

struct AppState;
class MainWindowUpdates;
class ResultCharts;

// The result charts below the meal grid: the bars of the chosen nutrients, the two energy
// pies, the missing-values bars, paging, zoom, the label mode, the alcohol choice, the note
// on missing meal shares and the price.
class ResultChartPanel : public QWidget, public ResultView {
    Q_OBJECT
public:
    // The references are kept and must outlive the panel.
    ResultChartPanel(AppState& state, MainWindowUpdates& updates, QWidget* parent);

    void refresh(const AppState& state) override;
    // Bars per page from the chart's height, the label font and the chosen nutrients.
    void FitBarsPerPage();
    ResultCharts* charts() const { return m_charts; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void DrawResultCharts(const AppState& state);
    void showBars(bool bars);
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton8Click();
    void ButtonProcentClick();
    void CheckboxAlkoholClick();
    void Button1Click();
    void Button2Click();

    AppState& m_state;
    MainWindowUpdates& m_updates;
    ResultCharts* m_charts = nullptr;
    bool MissingValuesMode = false;

    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* ButtonProcent = nullptr;
    QChartView* ChartStapel = nullptr;
    QScrollBar* ScrollBarStapel = nullptr;
    QChartView* ChartEnergi = nullptr;
    QChartView* ChartEnergiRek = nullptr;
    QCheckBox* CheckboxAlkohol = nullptr;
    QPlainTextEdit* MemoStapel = nullptr;
    QLineEdit* EditPris = nullptr;
    QWidget* m_bars = nullptr;
    QWidget* m_pies = nullptr;
};

} // namespace vexamat
