#pragma once

#include "ui/FormBase.h"
#include "ui/ResultView.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QShowEvent;
class QTableWidget;

namespace vexamat {

// The current meal per 100 g of its weight, or of a weight typed after cooking: the
// composition of a recipe.
class TFormNvPer100g : public FormBase, public ResultView {
    Q_OBJECT
public:
    TFormNvPer100g(AppState& state, Windows& windows, Dialogs& dialogs);

    // Returns at once while the window is hidden; it catches up when shown.
    void refresh(const AppState& state) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showFigures(const AppState& state);
    void EditKorrigeradViktChange();

    QTableWidget* StringGrid1 = nullptr;
    QLabel* Labelkg = nullptr;
    QLineEdit* EditGram = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditKorrigeradVikt = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};

} // namespace vexamat
