#pragma once

#include "ui/FormBase.h"

class QPlainTextEdit;
class QPushButton;
class QSqlTableModel;
class QTableView;

namespace vexamat {

// The recommended daily intakes of the table "normer"; a double-click makes a row the
// active norm.
class TFormNorm : public FormBase {
    Q_OBJECT
public:
    TFormNorm(AppState& state, Windows& windows, Dialogs& dialogs);

    // Makes the row under the cursor the active norm.
    void DBISAMDBGridNormDblClick();
    // Unlocks editing of the table after the administrator password.
    void Button1Click();
    // Reads the table anew, so that a norm stored elsewhere shows at once.
    void refreshTable();

    QTableView* DBISAMDBGridNorm = nullptr;
    QSqlTableModel* DataSourceNorm = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void setupColumns();
};

} // namespace vexamat
