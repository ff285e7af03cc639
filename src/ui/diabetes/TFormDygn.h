#pragma once

#include "ui/FormBase.h"
#include "ui/ResultView.h"

#include <QList>
#include <QString>

class QAreaSeries;
class QCheckBox;
class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QGroupBox;
class QLabel;
class QLineSeries;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QValueAxis;

namespace vexamat {

// "Näringen under dygnet": how the chosen nutrient of the current day spreads over the clock
// (a bar per quarter hour), the day's blood-glucose curve and, on request, suggested insulin
// doses from the carbohydrate factors. Core computes every figure; the window draws them.
class TFormDygn : public FormBase, public ResultView {
    Q_OBJECT
public:
    TFormDygn(AppState& state, Windows& windows, Dialogs& dialogs);

    // Redraws from the results; returns at once while hidden, and catches up when shown.
    void refresh(const AppState& state) override;

    // The texts of the shown marks of a series: 1 "Mat", 3 "Insulin", 4 "Blodsocker".
    QStringList marks(int series) const;
    // The bars of a bar series as (x, height), in slot order.
    QList<QPointF> bars(int series) const;
    float insulinScale() const { return m_insulinScale; }

    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QChartView* Chart1 = nullptr;
    QAreaSeries* Series1 = nullptr;
    QAreaSeries* Series2 = nullptr;
    QAreaSeries* Series3 = nullptr;
    QLineSeries* Series4 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QCheckBox* CheckBoxMat = nullptr;
    QCheckBox* CheckBoxGlukos = nullptr;
    QCheckBox* CheckBoxInsulin = nullptr;
    QCheckBox* CheckBoxAktivitet = nullptr;
    QCheckBox* CheckBoxKolhberakning = nullptr;
    QCheckBox* CheckBoxBlodsocker = nullptr;
    QPushButton* ButtonOka = nullptr;
    QPushButton* ButtonMinska = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPushButton* BitBtnGlukos = nullptr;
    QPushButton* BitBtnInsulin = nullptr;
    QPushButton* BitBtnNv = nullptr;
    QPushButton* BitBtnMotion = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Mark {
        int series = 0;
        QPointF at;
        QGraphicsSimpleTextItem* item = nullptr; // owned by the chart's scene
    };

    void draw(const AppState& state);
    void drawFood(const AppState& state);
    void drawInsulin(const AppState& state);
    void drawGlucose(const AppState& state);
    void clearMarks(int series);
    void addMark(int series, QPointF at, const QString& text);
    void placeMarks();
    void showMarks();
    QAreaSeries* barSeries(int series) const;
    void setBars(QAreaSeries* series, const QList<QPointF>& bars, double halfWidth);

    void ListBox1Click();
    void CheckBoxKolhberakningClick();
    void ButtonOkaClick();
    void ButtonMinskaClick();
    void CheckBoxBlodsockerClick();
    void BitBtnGlukosClick();
    void BitBtnInsulinClick();
    void BitBtnNvClick();
    void recalculate();

    QChart* m_chart = nullptr;
    QValueAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    QList<Mark> m_marks;
    QList<QPointF> m_bars[4]; // per series 1..3, at index series - 1
    float m_insulinScale;
};

} // namespace vexamat
