#pragma once

#include "ui/FormBase.h"

#include <map>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vexamat {

// The choice of nutrients the charts, lookups and reports work with.
class Tformnvval : public FormBase {
    Q_OBJECT
public:
    Tformnvval(AppState& state, Windows& windows, Dialogs& dialogs);

    // Reads a selection file into the flags and the check boxes (the defaults on failure).
    void LoadSelection(const QString& path);
    // Takes the flags from the check boxes and writes them to the file.
    // False when the file could not be written.
    bool SaveSelection(const QString& path);
    QString nvvalPath() const;

    void Button1Click();
    void Button2Click();
    void Button3Click();

    // The check box of a nutrient number (none for 18, ash).
    QCheckBox* box(int nutrientNo) const;

    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void afterSelectionChange();
    std::map<int, QCheckBox*> m_boxes;
};

} // namespace vexamat
