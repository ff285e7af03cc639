#pragma once

#include "core/registration/RegistrationSession.h"
#include "ui/FormBase.h"
#include "ui/ResultView.h"

class QShowEvent;
class QTableWidget;
class QTableWidgetItem;

namespace vexamat {

// A grid of the current day's readings, a clock time and a value per row, typed straight
// into the registration's store: the glucose and the insulin window. It follows the main
// window's day box through the refresh list.
class ReadingWindow : public FormBase, public ResultView {
    Q_OBJECT
public:
    static constexpr int kReadingRows = 20; // the rows the registration keeps

    ReadingWindow(AppState& state, Windows& windows, Dialogs& dialogs,
                  RegistrationSession::ReadingKind kind, const QString& valueTitle);

    // Reloads the current day's readings; returns at once while hidden.
    void refresh(const AppState& state) override;

    QTableWidget* StringGrid1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadDay();
    void StringGrid1SetEditText(QTableWidgetItem* item);

    RegistrationSession::ReadingKind m_kind;
    bool m_loading = false;
};

} // namespace vexamat
