#include "ui/reports/TFormForsk2.h"

#include "core/AppState.h"
#include "core/files/RegistrationFile.h"
#include "core/reports/SurveyProject.h"
#include "ui/Dialogs.h"
#include "ui/reports/SurveySummaryModel.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vexamat {

namespace {

// Row 0 of the summary grid without the nutrients' titles.
QStringList fixedTitles() {
    QStringList titles(SurveySummary::kColumns);
    const char* const fixed[] = {"Id", "Dagnr", "Dag Id", "Måltid", "Gram", "Livsmedel", "Livskod"};
    for (int c = 0; c < 7; ++c)
        titles[c + 1] = QString::fromUtf8(fixed[c]);
    return titles;
}

} // namespace

TFormForsk2::TFormForsk2(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormForsk2"));
    setWindowTitle(QStringLiteral("Sammanställning"));
    resize(900, 500);

    auto* outer = new QVBoxLayout(this);
    Button1 = new QPushButton(QStringLiteral("Till Excel"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TFormForsk2::Button1Click);
    outer->addWidget(Button1, 0, Qt::AlignLeft);
    LabelUtelamnat = new QLabel(this);
    LabelUtelamnat->setObjectName(QStringLiteral("LabelUtelamnat"));
    LabelUtelamnat->setWordWrap(true);
    LabelUtelamnat->hide();
    outer->addWidget(LabelUtelamnat);

    m_model = new SurveySummaryModel(this);
    Grid1 = new QTableView(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setModel(m_model);
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->horizontalHeader()->setDefaultSectionSize(64);
    Grid1->verticalHeader()->setDefaultSectionSize(20);
    outer->addWidget(Grid1, 1);

    m_model->setSummary(fixedTitles(), {});
}

void TFormForsk2::showSummary(const SurveyProject& project) {
    m_rows = SurveySummary::build(project);
    QStringList titles = fixedTitles();
    for (int c = SurveySummary::kFirstValueColumn; c < SurveySummary::kColumns; ++c)
        titles[c] = project.cell(0, c);
    m_model->setSummary(titles, m_rows);

    const int shown = SurveySummary::kGridRows - 1;
    if (m_rows.size() > shown) {
        LabelUtelamnat->setText(
            QStringLiteral("Sammanställningen har %1 rader men bara de första %2 får plats här. "
                           "Till Excel skriver alla %1.")
                .arg(m_rows.size())
                .arg(shown));
    }
    LabelUtelamnat->setVisible(m_rows.size() > shown);
}

void TFormForsk2::Button1Click() {
    m_dialogs.message(this, QStringLiteral("Använd INTE samma namn som kostundersökningen har, "
                                           "då finns risk för sammanblanding av excel-filer, så "
                                           "kallade skv-filer."));
    QString path = m_dialogs.saveFileName(this, QStringLiteral("Spara till Excel"), m_state.InitDir,
                                          SurveySummary::kFilter);
    if (path.isEmpty())
        return;
    path = RegistrationFile::withExtension(path, QStringLiteral(".skv"));
    QString error;
    if (!SurveySummary::write(m_rows, path, &error)) {
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return;
    }
    m_dialogs.message(this, QString::number(SurveySummary::fileLines(m_rows).size()) +
                                QStringLiteral(" rader sparade."));
}

} // namespace vexamat
