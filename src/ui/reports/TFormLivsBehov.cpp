#include "ui/reports/TFormLivsBehov.h"

#include "core/AppState.h"
#include "core/reports/FoodNeedsFile.h"
#include "ui/Dialogs.h"
#include "ui/norms/RadioGroup.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexamat {

TFormLivsBehov::TFormLivsBehov(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormLivsBehov"));
    setWindowTitle(QStringLiteral("Livsmedelsbehov"));

    auto* layout = new QVBoxLayout(this);
    Memo1 = new QPlainTextEdit(QStringLiteral("Här skapas en fil som visar hur mycket av \n"
                                              "olika livsmedel som ingår i denna matsedel.\n"
                                              "Filen kan sedan läsas av andra program för att \n"
                                              "skapa inköpsunderlag mm."),
                               this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 4 + 12);
    layout->addWidget(Memo1);

    Label1 = new QLabel(QStringLiteral("Extra info, t.ex. Vecka 1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(QStringLiteral("Vecka 1"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label1->setBuddy(Edit1);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);

    rgrupp1 = new RadioGroup(
        QStringLiteral("rgrupp1"), QString(),
        {QStringLiteral("Skapa ny fil"), QStringLiteral("Addera till befintlig fil")}, -1, this);
    layout->addWidget(rgrupp1);

    ButtonOK = new QPushButton(QStringLiteral("Skriv till behovsfil"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    layout->addWidget(ButtonOK);
    layout->addStretch();
    connect(ButtonOK, &QPushButton::clicked, this, &TFormLivsBehov::ButtonOKClick);
}

void TFormLivsBehov::ButtonOKClick() {
    if (rgrupp1->index() < 0) {
        m_dialogs.message(this, ExportFile::kNoModeChosen);
        return;
    }
    const ExportFile::Mode mode =
        rgrupp1->index() == 0 ? ExportFile::Mode::New : ExportFile::Mode::Append;
    const QString tag = Edit1->text();
    if (!FoodNeedsFile::isValidTag(tag)) {
        m_dialogs.message(this, FoodNeedsFile::kBadTag, Dialogs::Icon::Warning);
        Edit1->setFocus();
        return;
    }
    const QString chosen = m_dialogs.saveFileName(this, FoodNeedsFile::kDialogTitle,
                                                  m_state.DataDir, FoodNeedsFile::kFilter);
    if (chosen.isEmpty())
        return;
    // The file dialog asked about the name as typed, not with its extension replaced.
    const QString path = FoodNeedsFile::withVexagramExtension(chosen);
    if (mode == ExportFile::Mode::New && path != chosen && QFile::exists(path) &&
        m_dialogs.question(this, QStringLiteral("%1 finns redan.\nVill du ersätta den?")
                                     .arg(QDir::toNativeSeparators(path))) != Dialogs::Answer::Yes)
        return;
    const ExportFile::Result result = FoodNeedsFile::write(path, mode, tag, m_state);
    m_dialogs.message(this, result.message,
                      result.written ? Dialogs::Icon::Information : Dialogs::Icon::Warning);
}

} // namespace vexamat
