#include "ui/norms/TFormPerson.h"

#include "core/AppState.h"
#include "core/files/PersonFile.h"
#include "core/norms/NormRowLookup.h"
#include "core/norms/PersonNorm.h"
#include "core/registration/Conversions.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/norms/NumberBox.h"
#include "ui/norms/RadioGroup.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexamat {

namespace {

// The designed scale: from the BMI button's leftmost place to its rightmost end, with the
// coloured fields at 307 (117 wide), 424 (90) and 514 (90).
constexpr int kScaleStart = PersonNorm::kBmiLeftMin;
constexpr int kButtonWidth = 60;
constexpr int kScaleEnd = PersonNorm::kBmiLeftMax + kButtonWidth;
constexpr int kNormalStart = 307;
constexpr int kNormalWidth = 117;
constexpr int kBandWidth = 90;

QLineEdit* numberEdit(const QString& name, const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

QLineEdit* scaleField(const QString& name, const QString& text, const QString& colour,
                      QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    if (!colour.isEmpty())
        field->setStyleSheet(
            QStringLiteral("QLineEdit { background: %1; color: black; }").arg(colour));
    return field;
}

} // namespace

TFormPerson::TFormPerson(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormPerson"));
    setWindowTitle(QStringLiteral("Personlig norm"));

    auto* layout = new QGridLayout(this);

    auto* person = new QWidget(this);
    auto* personLayout = new QGridLayout(person);
    personLayout->setContentsMargins(0, 0, 0, 0);
    RadioGroupSex = new RadioGroup(QStringLiteral("RadioGroupSex"), QString(),
                                   {QStringLiteral("Kvinna"), QStringLiteral("Man")}, 0, person,
                                   Qt::Horizontal);
    personLayout->addWidget(RadioGroupSex, 0, 0, 1, 2);
    editage = numberEdit(QStringLiteral("editage"), QString(), person);
    Editkg = numberEdit(QStringLiteral("Editkg"), QString(), person);
    EditLangd = numberEdit(QStringLiteral("EditLangd"), QString(), person);
    personLayout->addWidget(new QLabel(QStringLiteral("Ålder"), person), 1, 0);
    personLayout->addWidget(editage, 1, 1);
    personLayout->addWidget(new QLabel(QStringLiteral("Vikt, kg"), person), 2, 0);
    personLayout->addWidget(Editkg, 2, 1);
    personLayout->addWidget(new QLabel(QStringLiteral("Längd, cm"), person), 3, 0);
    personLayout->addWidget(EditLangd, 3, 1);
    Edit7 = new QLabel(QStringLiteral("BMR friska vuxna, kJ/kg"), person);
    Edit7->setObjectName(QStringLiteral("Edit7"));
    EditBMrFriska = numberEdit(QStringLiteral("EditBMrFriska"), QStringLiteral("140"), person);
    EditBMrFriska->setToolTip(QStringLiteral("Skriv önskad BMR här"));
    personLayout->addWidget(Edit7, 4, 0);
    personLayout->addWidget(EditBMrFriska, 4, 1);
    RadioGroupSjuk = new RadioGroup(QStringLiteral("RadioGroupSjuk"), QString(),
                                    {QStringLiteral("Frisk"), QStringLiteral("Sjuk")}, 0, person,
                                    Qt::Horizontal);
    personLayout->addWidget(RadioGroupSjuk, 5, 0, 1, 2);
    personLayout->setRowStretch(6, 1);
    layout->addWidget(person, 0, 0, 2, 1);

    RGArbete =
        new RadioGroup(QStringLiteral("RGArbete"), QStringLiteral("Arbete (endast för vuxna)"),
                       {QStringLiteral("Stillasittande (skrivbordsarbete, monteringsarbete)"),
                        QStringLiteral("Stående (affärsbiträde,lärare, lätt industri)"),
                        QStringLiteral("Gående (brevbärare, vaktmästare, industriarbete)"),
                        QStringLiteral("Kroppsarbete (skogsarbete, lantbruk, fiske)")},
                       0, this);
    RGFritid =
        new RadioGroup(QStringLiteral("RGFritid"), QStringLiteral("Fritid (endast för vuxna)"),
                       {QStringLiteral("Nästan helt inaktiv (läsning, TV, bio, schack)"),
                        QStringLiteral("Någon aktivitet (cykling, promenader)"),
                        QStringLiteral("Regelbunden aktivitet (trädgård, gymnastik, golf)"),
                        QStringLiteral("Fysisk träning flera ggr/vecka (fotboll, löpning)")},
                       0, this);
    layout->addWidget(RGArbete, 0, 1);
    layout->addWidget(RGFritid, 1, 1);

    auto* sick = new QWidget(this);
    auto* sickLayout = new QVBoxLayout(sick);
    sickLayout->setContentsMargins(0, 0, 0, 0);
    RGSjuk = new RadioGroup(
        QStringLiteral("RGSjuk"), QStringLiteral("Sjuka vuxna"),
        {QStringLiteral("Sängliggande, BMR=120 kJ"), QStringLiteral("Icke sängbundna BMR=140 kJ"),
         QStringLiteral("Återuppbyggnad BMR=170 kJ"), QStringLiteral("Special, BMR=")},
        1, sick);
    EditSjuk = numberEdit(QStringLiteral("EditSjuk"), QStringLiteral("180"), sick);
    EditSjuk->setToolTip(QStringLiteral("Skriv önskad BMR här"));
    sickLayout->addWidget(RGSjuk);
    sickLayout->addWidget(EditSjuk);
    sickLayout->addStretch(1);
    layout->addWidget(sick, 0, 2, 2, 1);

    auto* need = new QGroupBox(QStringLiteral("Energibehov/dag"), this);
    auto* needLayout = new QHBoxLayout(need);
    EditKcalBehov = new QLineEdit(need);
    EditKcalBehov->setObjectName(QStringLiteral("EditKcalBehov"));
    EditKcalBehov->setReadOnly(true);
    needLayout->addWidget(EditKcalBehov);
    layout->addWidget(need, 2, 0);
    layout->addWidget(buildBmiScale(), 2, 1, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonAvbryt = new QPushButton(QStringLiteral("Avbryt"), this);
    ButtonAvbryt->setObjectName(QStringLiteral("ButtonAvbryt"));
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonAvbryt);
    layout->addLayout(buttons, 3, 0, 1, 3);

    for (QLineEdit* edit : {editage, Editkg, EditLangd, EditBMrFriska, EditSjuk})
        NumberBox::guard(edit, m_dialogs);
    for (QLineEdit* edit : {editage, Editkg, EditLangd, EditBMrFriska})
        connect(edit, &QLineEdit::textChanged, this, [this] { ComputePersonNeed(false); });
    connect(EditSjuk, &QLineEdit::textChanged, this, &TFormPerson::EditSjukChange);
    connect(RadioGroupSex, &RadioGroup::clicked, this, [this] { ComputePersonNeed(false); });
    connect(RGSjuk, &RadioGroup::clicked, this, [this] { ComputePersonNeed(false); });
    connect(RadioGroupSjuk, &RadioGroup::clicked, this, &TFormPerson::RadioGroupSjukClick);
    connect(RGArbete, &RadioGroup::clicked, this, &TFormPerson::RGArbeteClick);
    connect(RGFritid, &RadioGroup::clicked, this, &TFormPerson::RGArbeteClick);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormPerson::ButtonOKClick);
    connect(ButtonAvbryt, &QPushButton::clicked, this, &QWidget::hide);

    showSickGroups();
    ComputePersonNeed(false);
}

QWidget* TFormPerson::buildBmiScale() {
    // Every part is sized by its stretch alone, so the parts keep the designed proportions
    // at any width, and the BMI button's left edge follows the BMI.
    auto* scale = new QWidget(this);
    scale->setObjectName(QStringLiteral("BmiScale"));
    scale->setMinimumWidth(kScaleEnd - kScaleStart);
    auto* column = new QVBoxLayout(scale);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    m_bmiRow = new QHBoxLayout;
    m_bmiRow->setSpacing(0);
    SpeedButtonBMI = new QPushButton(QStringLiteral("BMI ---"), scale);
    SpeedButtonBMI->setObjectName(QStringLiteral("SpeedButtonBMI"));
    SpeedButtonBMI->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    SpeedButtonBMI->setFocusPolicy(Qt::NoFocus);
    m_bmiRow->addStretch(0);
    m_bmiRow->addWidget(SpeedButtonBMI, kButtonWidth);
    m_bmiRow->addStretch(kScaleEnd - kScaleStart - kButtonWidth);
    column->addLayout(m_bmiRow);

    auto* bands = new QHBoxLayout;
    bands->setSpacing(0);
    EditNormal = scaleField(QStringLiteral("EditNormal"), QStringLiteral("Normalvikt"),
                            QStringLiteral("lime"), scale);
    EditOvervikt = scaleField(QStringLiteral("EditOvervikt"), QStringLiteral("Övervikt"),
                              QStringLiteral("yellow"), scale);
    EditObesitas = scaleField(QStringLiteral("EditObesitas"), QStringLiteral("Fetma"),
                              QStringLiteral("red"), scale);
    const int trailing = kScaleEnd - (kNormalStart + kNormalWidth + 2 * kBandWidth);
    bands->addStretch(kNormalStart - kScaleStart);
    bands->addWidget(EditNormal, kNormalWidth);
    bands->addWidget(EditOvervikt, kBandWidth);
    bands->addWidget(EditObesitas, kBandWidth);
    bands->addStretch(trailing);
    column->addLayout(bands);

    // The marks stand at the starts of the fields and at the end of the last one.
    auto* marks = new QHBoxLayout;
    marks->setSpacing(0);
    marks->addStretch(kNormalStart - kScaleStart);
    const std::pair<const char*, const char*> markTexts[] = {
        {"Edit9", "18.5"}, {"Edit8", "25"}, {"Edit10", "30"}, {"Edit11", "35"}};
    const int markStretch[] = {kNormalWidth, kBandWidth, kBandWidth, trailing};
    for (int i = 0; i < 4; ++i) {
        QLineEdit* mark = scaleField(QString::fromLatin1(markTexts[i].first),
                                     QString::fromLatin1(markTexts[i].second), QString(), scale);
        mark->setFrame(false);
        mark->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
        marks->addWidget(mark, markStretch[i]);
    }
    column->addLayout(marks);
    return scale;
}

PersonInputs TFormPerson::inputs() const {
    PersonInputs in;
    in.sex = RadioGroupSex->index();
    in.age = editage->text();
    in.weight = Editkg->text();
    in.height = EditLangd->text();
    in.work = RGArbete->index();
    in.leisure = RGFritid->index();
    in.healthyBmr = EditBMrFriska->text();
    in.ill = RadioGroupSjuk->index();
    in.illBmr = RGSjuk->index();
    in.specialBmr = EditSjuk->text();
    return in;
}

void TFormPerson::setInputs(const PersonInputs& in) {
    m_settingInputs = true;
    RadioGroupSex->setIndex(in.sex);
    editage->setText(in.age);
    Editkg->setText(in.weight);
    EditLangd->setText(in.height);
    RGArbete->setIndex(in.work);
    RGFritid->setIndex(in.leisure);
    EditBMrFriska->setText(in.healthyBmr);
    EditSjuk->setText(in.specialBmr);
    RadioGroupSjuk->setIndex(in.ill);
    RGSjuk->setIndex(in.illBmr);
    m_settingInputs = false;
    showSickGroups();
    ComputePersonNeed(false);
}

void TFormPerson::showSickGroups() {
    const bool ill = RadioGroupSjuk->index() == 1;
    RGArbete->setVisible(!ill);
    RGFritid->setVisible(!ill);
    Edit7->setVisible(!ill);
    EditBMrFriska->setVisible(!ill);
    RGSjuk->setVisible(ill);
    EditSjuk->setVisible(ill);
}

void TFormPerson::ComputePersonNeed(bool activateNorm) {
    if (m_settingInputs)
        return;
    const PersonInputs in = inputs();
    const bool adult = PersonNorm::activitiesEnabled(in);
    RGArbete->setEnabled(adult);
    RGFritid->setEnabled(adult);
    ShowBmi();
    EditKcalBehov->setText(PersonNorm::energyText(PersonNorm::energyNeed(in)));
    if (activateNorm)
        activate();
}

void TFormPerson::ShowBmi() {
    const std::optional<float> bmi = PersonNorm::bmi(inputs());
    SpeedButtonBMI->setText(PersonNorm::bmiCaption(bmi));
    m_bmiLeft = PersonNorm::bmiLeft(bmi);
    m_bmiRow->setStretch(0, m_bmiLeft - kScaleStart);
    m_bmiRow->setStretch(2, kScaleEnd - m_bmiLeft - kButtonWidth);
}

void TFormPerson::activate() {
    const PersonInputs in = inputs();
    const std::optional<NormRow> row =
        NormRowLookup::find(m_state.database, PersonNorm::normNumber(in));
    const std::optional<NormEstimate> estimate = PersonNorm::estimate(in, m_state.norm, row);
    if (!estimate) {
        m_dialogs.message(this, PersonNorm::kRefused, Dialogs::Icon::Warning);
        return;
    }
    PersonNorm::apply(m_state.norm, *estimate, row);
    m_state.NormChanged = true;
    m_state.RegistrationTitle = QStringLiteral("Norm: ") + m_state.norm.NormLabel;
    if (m_windows.updates)
        m_windows.updates->Recalculate();
}

void TFormPerson::RadioGroupSjukClick() {
    showSickGroups();
    ComputePersonNeed(false);
}

void TFormPerson::RGArbeteClick() {
    if (TextToReal(editage->text()) >= 12.0f)
        ComputePersonNeed(false);
    else
        m_dialogs.message(this, PersonNorm::kChildActivity);
}

void TFormPerson::EditSjukChange() {
    if (m_settingInputs)
        return;
    RGSjuk->setIndex(PersonNorm::kIllBmrSpecial);
    ComputePersonNeed(false);
}

void TFormPerson::ButtonOKClick() {
    ComputePersonNeed(true);
    hide();
}

QString TFormPerson::sideFileNormKind() const {
    return PersonNorm::kKind;
}

RegistrationDocument::SideFileHandler TFormPerson::sideFileHandler() {
    RegistrationDocument::SideFileHandler handler;
    handler.write = [this](const QString& path, QString* error) {
        QString reason;
        if (PersonFile::write(path, inputs(), &reason))
            return true;
        if (error)
            *error = PersonFile::kSaveFailed + QStringLiteral(": ") + reason;
        return false;
    };
    handler.read = [this](const QString& path, QString* error) {
        // What was read before a damaged line is shown; the norm of the ".norm" file stays.
        PersonInputs in = inputs();
        const bool ok = PersonFile::read(path, in, error);
        setInputs(in);
        return ok;
    };
    return handler;
}

} // namespace vexamat
