#pragma once

#include "ui/FormBase.h"

class QLabel;
class QPlainTextEdit;

namespace vexamat {

// "Info": the free-text note of the current registration.
class TFormInfo : public FormBase {
    Q_OBJECT
public:
    TFormInfo(AppState& state, Windows& windows, Dialogs& dialogs);

    // The memo's lines; none when the memo is empty.
    QStringList noteLines() const;
    // Puts a note read from a file into the memo without marking the registration changed.
    void setNoteLines(const QStringList& lines);
    void clearNote() { setNoteLines({}); }
    // Whether the note was typed in since it was last read or saved.
    bool isNoteModified() const;
    void markNoteSaved();

    QLabel* Label1 = nullptr;
    QPlainTextEdit* MemoInfo = nullptr;
};

} // namespace vexamat
