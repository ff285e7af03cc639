#include "ui/reports/TFormUtskriftsval2.h"

#include "core/AppState.h"
#include "core/reports/ReportLineBuilder.h"
#include "core/reports/ReportOwner.h"
#include "output/ReportExport.h"
#include "output/ReportRenderer.h"
#include "ui/Dialogs.h"
#include "ui/Windows.h"
#include "ui/files/TFormInfo.h"
#include "ui/norms/RadioGroup.h"
#include "ui/reports/ReportPreview.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexamat {

namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QCheckBox* checkBox(const char* name, const char* caption, bool checked, QWidget* parent) {
    auto* box = named(new QCheckBox(QString::fromUtf8(caption), parent), name);
    box->setChecked(checked);
    return box;
}

} // namespace

TFormUtskriftsval2::TFormUtskriftsval2(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormUtskriftsval2"));
    setWindowTitle(QStringLiteral("Välj typ av utskrift"));

    RadioGroup1 =
        new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Vad ska skrivas ut?"),
                       {QStringLiteral("Aktuell måltid"), QStringLiteral("Aktuell dag"),
                        QStringLiteral("Alla dagar")},
                       0, this);
    RadioGroup2 = new RadioGroup(
        QStringLiteral("RadioGroup2"), QStringLiteral("Hur detaljerad ska utskriften vara?"),
        {QStringLiteral("Alla livsmedel i detalj"), QStringLiteral("Endast måltidssummor"),
         QStringLiteral("Endast dagsummor"), QStringLiteral("Endast periodsumma")},
        0, this);
    CheckBoxDiagram = checkBox("CheckBoxDiagram", "Stapeldiagram", true, this);
    CheckBoxFettsammansattning =
        checkBox("CheckBoxFettsammansattning", "Skriv fettsammansättning", true, this);
    CheckBoxKomprimerad = checkBox("CheckBoxKomprimerad", "Komprimerad utskrift", false, this);
    CheckBoxPersonInfo = checkBox("CheckBoxPersonInfo", "Info om denna beräkning", false, this);
    CheckBox1 = checkBox("CheckBox1", "Skriv till fil", false, this);
    CheckBox1->setToolTip(QStringLiteral(
        "Utskriften läggs i en så kallad RTF-fil som sedan kan  öppnas t.ex. med Word"));
    RadioGroup3 =
        new RadioGroup(QStringLiteral("RadioGroup3"), QStringLiteral("Vilken typ av fil?"),
                       {QStringLiteral("Acrobat Reader (PDF)"), QStringLiteral("Word (RTF)"),
                        QStringLiteral("Excel"), QStringLiteral("Internet (HTML)")},
                       0, this);
    RadioGroup3->setEnabled(false);
    CheckBoxCirkeldiagram = checkBox("CheckBoxCirkeldiagram", "Cirkeldiagram", false, this);
    CheckBoxCirkeldiagram->setEnabled(false);
    EditRubrik = named(new QLineEdit(this), "EditRubrik");
    ButtonSkriv = named(new QPushButton(QStringLiteral("Skriv"), this), "ButtonSkriv");

    auto* layout = new QGridLayout(this);
    layout->addWidget(RadioGroup1, 0, 0);
    layout->addWidget(RadioGroup2, 1, 0);
    auto* boxes = new QVBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{CheckBoxDiagram, CheckBoxFettsammansattning,
                                         CheckBoxKomprimerad, CheckBoxPersonInfo, CheckBox1})
        boxes->addWidget(w);
    boxes->addStretch();
    layout->addLayout(boxes, 0, 1);
    auto* file = new QVBoxLayout;
    file->addWidget(RadioGroup3);
    file->addWidget(CheckBoxCirkeldiagram);
    layout->addLayout(file, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Utskriftsrubrik"), this), 2, 0, 1, 2);
    layout->addWidget(EditRubrik, 3, 0, 1, 2);
    layout->addWidget(ButtonSkriv, 4, 1);

    connect(CheckBox1, &QCheckBox::clicked, this, &TFormUtskriftsval2::CheckBox1Click);
    connect(ButtonSkriv, &QPushButton::clicked, this, &TFormUtskriftsval2::ButtonSkrivClick);
}

void TFormUtskriftsval2::CheckBox1Click() {
    const bool toFile = CheckBox1->isChecked();
    RadioGroup3->setEnabled(toFile);
    CheckBoxCirkeldiagram->setEnabled(toFile);
    CheckBoxCirkeldiagram->setChecked(toFile);
}

ReportOptions TFormUtskriftsval2::options() const {
    ReportOptions options;
    options.what = ReportOptions::What(RadioGroup1->index());
    options.detail = ReportOptions::Detail(RadioGroup2->index());
    options.day = m_state.CurrentDay;
    options.meal = m_state.CurrentMeal;
    options.bars = CheckBoxDiagram->isChecked();
    options.fatComposition = CheckBoxFettsammansattning->isChecked();
    options.compressed = CheckBoxKomprimerad->isChecked();
    return options;
}

Report TFormUtskriftsval2::buildReport() const {
    Report report = ReportLineBuilder(m_state).build(options());
    report.headerText =
        ReportOwner::headerText(EditRubrik->text(), ReportOwner::read(m_state.DataDir));
    // Pies are offered only when printing to a file: the box follows "Skriv till fil".
    report.pies = CheckBoxCirkeldiagram->isChecked();
    report.showInfo = CheckBoxPersonInfo->isChecked();
    if (report.showInfo && m_windows.FormInfo)
        report.infoLines = m_windows.FormInfo->noteLines();
    return report;
}

void TFormUtskriftsval2::ButtonSkrivClick() {
    const Report report = buildReport();
    if (CheckBox1->isChecked())
        writeFile(report);
    else
        preview(report);
}

void TFormUtskriftsval2::preview(const Report& report) {
    ReportPreview::show(this, ReportRenderer::pageLayout(), [report](QPagedPaintDevice& device) {
        ReportRenderer(report).print(device);
    });
}

void TFormUtskriftsval2::writeFile(const Report& report) {
    const auto format = ReportExport::Format(RadioGroup3->index());
    QString path = m_dialogs.saveFileName(this, QStringLiteral("Spara utskriften"),
                                          ReportExport::defaultPath(m_state.InitDir, format),
                                          ReportExport::fileFilter(format));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + ReportExport::suffix(format);
    QString error;
    if (!ReportExport::write(report, format, path, &error))
        m_dialogs.message(this, error, Dialogs::Icon::Error);
}

} // namespace vexamat
