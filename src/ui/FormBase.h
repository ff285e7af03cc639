#pragma once

#include <QWidget>

namespace vexamat {

struct AppState;
class Dialogs;
struct Windows;

// A window of the program: created once at start-up, hidden (not destroyed) when closed.
// It reads and writes the program-wide state and reaches the other windows through
// Windows.
class FormBase : public QWidget {
    Q_OBJECT
public:
    FormBase(AppState& state, Windows& windows, Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    AppState& m_state;
    Windows& m_windows;
    Dialogs& m_dialogs;
};

} // namespace vexamat
