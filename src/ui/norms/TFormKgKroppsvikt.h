#pragma once

#include "core/files/KgNormFile.h"
#include "core/norms/KgNorm.h"
#include "ui/FormBase.h"
#include "ui/SideFileWindow.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSqlTableModel;
class QTableView;
class QTableWidget;
class QTableWidgetItem;

namespace vexamat {

// Norms per kg body weight: a chosen per-kg norm times the weight, the standard norm of the
// age group where it says nothing, activated as the norm of kind "kgkroppsviktnorm".
class TFormKgKroppsvikt : public FormBase, public SideFileWindow {
    Q_OBJECT
public:
    TFormKgKroppsvikt(AppState& state, Windows& windows, Dialogs& dialogs);

    QString sideFileNormKind() const override { return KgNorm::kKind; }
    RegistrationDocument::SideFileHandler sideFileHandler() override;
    KgNormInputs inputs() const;

    QTableView* DBISAMDBGridKgKroppsvikt = nullptr;
    QSqlTableModel* DataSourceKg = nullptr;
    QTableWidget* StringGridkg = nullptr;
    QTableWidget* StringGridalder = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* RadioGroup1Items = nullptr;
    QLabel* Label1 = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    QPushButton* ButtonAktivera = nullptr;
    QPushButton* Button1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPlainTextEdit* Memo4 = nullptr;

private:
    void setupColumns();
    void ComputeKgEnergy();
    void ChooseKgNorm();
    void computeDayNorm();
    void ButtonAktiveraClick();
    void Button1Click();
    // A weight must be above 0; an age may be 0.
    void inputEdited(QTableWidgetItem* item, QString& lastGood, const QString& message,
                     bool zeroAllowed);
    void dayNormEdited(QTableWidgetItem* item);
    void setInputs(const KgNormInputs& inputs);
    NormRow currentPerKg() const;

    QString m_goodWeight = QStringLiteral("70");
    QString m_goodAge = QStringLiteral("55");
    QString m_chosenName;   // of the per-kg norm the day norm was made from
    bool m_filling = false; // the program writes cells: no edit to check
};

} // namespace vexamat
