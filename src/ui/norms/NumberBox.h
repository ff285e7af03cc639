#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

namespace vexamat {

class Dialogs;

// Keeps what is not a number out of an edit box or a grid's cells: such a text is answered
// with a Swedish message and the last good text comes back, so a letter never reads as 0.
// While typing, a number on its way ("-", "12,") and an empty box are let through.
class NumberBox : public QObject {
    Q_OBJECT
public:
    static QString notANumber(const QString& text); // the message

    // Guards an edit box; owned by it.
    static void guard(QLineEdit* edit, Dialogs& dialogs);
    // Guards the cells of a grid that the user may edit; owned by the grid.
    static void guard(QTableWidget* grid, Dialogs& dialogs);

private:
    NumberBox(QObject* owner, Dialogs& dialogs);
    static bool acceptable(const QString& text);

    Dialogs& m_dialogs;
    QString m_lastGood;
    bool m_restoring = false;
};

} // namespace vexamat
