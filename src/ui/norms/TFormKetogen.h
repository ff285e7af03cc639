#pragma once

#include "core/files/KetogenFile.h"
#include "core/norms/KetogenicPlan.h"
#include "ui/FormBase.h"
#include "ui/SideFileWindow.h"

#include <optional>

class QButtonGroup;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace vexamat {

// Plans a ketogenic diet for a child and proposes a day norm from it; "Verkställ" makes it
// the active norm of kind "ketogennorm" and shares the day equally between the meals.
class TFormKetogen : public FormBase, public SideFileWindow {
    Q_OBJECT
public:
    TFormKetogen(AppState& state, Windows& windows, Dialogs& dialogs);

    QString sideFileNormKind() const override { return KetogenicPlan::kKind; }
    RegistrationDocument::SideFileHandler sideFileHandler() override;
    KetogenicInputs inputs() const;

    QLabel* Label1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QGroupBox* RadioGroupSex = nullptr;
    QButtonGroup* RadioGroupSexItems = nullptr;
    QLabel* Label2 = nullptr;
    QTableWidget* StringGrid3 = nullptr;
    QLabel* Label3 = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    QPushButton* Button2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ComputeKetogen();
    // With recalculate false (opening a registration) the views are refreshed by the
    // opening itself.
    void Button2Click(bool recalculate = true);
    void inputEdited(QTableWidgetItem* item);
    void dayNormEdited(QTableWidgetItem* item);
    void setInputs(const KetogenicInputs& inputs);
    void showResult();

    std::optional<KetogenicResult> m_result;
    bool m_filling = false; // the program writes cells: no edit to check
};

} // namespace vexamat
