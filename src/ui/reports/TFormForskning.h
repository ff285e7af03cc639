#pragma once

#include "ui/FormBase.h"

#include <memory>

class QAction;
class QLabel;
class QListWidget;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace vexamat {

class SurveyGridModel;
class SurveyProject;

// A diet survey project: what several people ate on several days, one food a row. While
// the window is visible, a food picked in the main window lands here instead of in the meal.
class TFormForskning : public FormBase {
    Q_OBJECT
public:
    TFormForskning(AppState& state, Windows& windows, Dialogs& dialogs);
    ~TFormForskning() override;

    // A food picked in the main window, by its code: the first free row gets it.
    void addFood(const QString& code);

    const SurveyProject& project() const { return *m_project; }

    QTableView* Grid1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QListWidget* ListBoxVikter = nullptr;
    QLabel* LabelUtelamnade = nullptr;
    QTimer* Timer1 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QAction* ny = nullptr;
    QAction* hamta = nullptr;
    QAction* spara = nullptr;
    QAction* Hmtamednyanv1 = nullptr;
    QAction* Hjlp1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nyClick();
    void sparaClick();
    void hamtaClick();
    void Hmtamednyanv1Click();
    void Timer1Timer();
    void Grid1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Hjlp1Click();
    void Button4Click();
    void Grid1KeyPress(const QString& text);
    void Grid1KeyDown(int key);
    void Grid1MouseDown(const QPoint& pos);

    // Offers to save a changed project, then empties the grid; false when the user
    // cancelled (or the save did not happen) and the grid is as it was.
    bool startOver();
    // The save dialog and the file; false when cancelled or failed.
    bool save();
    // The grid row of the cursor, 0 when there is none.
    int currentRow() const;
    void recomputeVisibleSummary();
    void focusSearchBox();

    std::unique_ptr<SurveyProject> m_project;
    SurveyGridModel* m_model = nullptr;
};

} // namespace vexamat
