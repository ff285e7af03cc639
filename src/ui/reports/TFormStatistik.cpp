#include "ui/reports/TFormStatistik.h"

#include "core/AppState.h"
#include "core/reports/StatisticsFile.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/analysis/Tformnvval.h"
#include "ui/norms/RadioGroup.h"

#include <QDir>
#include <QFile>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vexamat {

TFormStatistik::TFormStatistik(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormStatistik"));
    setWindowTitle(QStringLiteral("Vilken typ av statistikfil vill du skapa?"));

    auto* layout = new QVBoxLayout(this);
    Memo1 = new QPlainTextEdit(
        QStringLiteral("Resultatet skrivs ut som en semikolonseparerad textfil (*.skv),\n"
                       "som sedan kan läsas av t.ex. Excel eller annat statistikprogram. \n"
                       "OBS!\n"
                       "Statistiken kommer att innehålla de näringsämnen som är\n"
                       "markerade i fönstret \"Val av näringsämnen\"."),
        this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 5 + 12);
    layout->addWidget(Memo1);

    Label1 = new QLabel(QStringLiteral("ID för denna beräkning:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label1->setBuddy(Edit1);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);

    rgrupp1 = new RadioGroup(QStringLiteral("rgrupp1"), QString(),
                             {QStringLiteral("Skapa ny statistikfil"),
                              QStringLiteral("Addera till befintlig statistikfil")},
                             -1, this);
    layout->addWidget(rgrupp1);
    rgrupp2 = new RadioGroup(QStringLiteral("rgrupp2"), QStringLiteral("Typ av statistik"),
                             {QStringLiteral("Näringsvärden summerat per dag"),
                              QStringLiteral("Näringsvärden i detalj")},
                             0, this);
    layout->addWidget(rgrupp2);

    Button1 = new QPushButton(QStringLiteral("Skriv till statistikfil"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    layout->addWidget(Button1);
    layout->addStretch();
    connect(Button1, &QPushButton::clicked, this, &TFormStatistik::Button1Click);
}

void TFormStatistik::Button1Click() {
    if (rgrupp1->index() < 0) {
        m_dialogs.message(this, ExportFile::kNoModeChosen);
        return;
    }
    const ExportFile::Mode mode =
        rgrupp1->index() == 0 ? ExportFile::Mode::New : ExportFile::Mode::Append;
    const QString identity = Edit1->text();
    if (!StatisticsFile::isValidIdentity(identity)) {
        m_dialogs.message(this, StatisticsFile::kBadIdentity, Dialogs::Icon::Warning);
        Edit1->setFocus();
        return;
    }
    const QString chosen = m_dialogs.saveFileName(this, StatisticsFile::kDialogTitle,
                                                  m_state.InitDir, StatisticsFile::kFilter);
    if (chosen.isEmpty())
        return;
    // The file dialog asked about the name as typed; with ".skv" it may name another file,
    // perhaps a study's whole file.
    const QString path = StatisticsFile::withSkvExtension(chosen);
    if (mode == ExportFile::Mode::New && path != chosen && QFile::exists(path) &&
        m_dialogs.question(this, QStringLiteral("%1 finns redan.\nVill du ersätta den?")
                                     .arg(QDir::toNativeSeparators(path))) != Dialogs::Answer::Yes)
        return;

    // The file holds the nutrients marked in the selection window beside this one, also
    // when they were marked without pressing its "OK".
    if (m_windows.formnvval && m_windows.formnvval->isVisible()) {
        m_windows.formnvval->SaveSelection(m_windows.formnvval->nvvalPath());
        if (m_windows.updates)
            m_windows.updates->Recalculate();
    }
    const StatisticsFile::Kind kind =
        rgrupp2->index() == 1 ? StatisticsFile::Kind::Detailed : StatisticsFile::Kind::PerDay;
    const ExportFile::Result result = StatisticsFile::write(path, mode, kind, identity, m_state);
    m_dialogs.message(this, result.message,
                      result.written ? Dialogs::Icon::Information : Dialogs::Icon::Warning);
}

void TFormStatistik::showEvent(QShowEvent* event) {
    if (m_windows.formnvval)
        m_windows.formnvval->show();
    FormBase::showEvent(event);
}

void TFormStatistik::hideEvent(QHideEvent* event) {
    if (!event->spontaneous() && m_windows.formnvval)
        m_windows.formnvval->hide();
    FormBase::hideEvent(event);
}

} // namespace vexamat
