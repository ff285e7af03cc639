#include "ui/recipes/TFormRecept.h"

#include "core/AppState.h"
#include "core/recipes/Kodgram.h"
#include "core/recipes/ReceptFile.h"
#include "core/recipes/RecipeFetch.h"
#include "core/recipes/RecipeIndex.h"
#include "core/registration/FoodRowBuilder.h"
#include "core/registration/RegistrationSession.h"
#include "core/reports/RecipePrintout.h"
#include "core/reports/ReportOwner.h"
#include "output/RecipeRenderer.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/reports/ReportPreview.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexamat {

namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

const QStringList kInstructions = {
    QStringLiteral("Instruktioner:"),
    QStringLiteral("För att skapa ett recept fyller du i de livsmedel som ska ingå i receptet "),
    QStringLiteral("i en måltid, t.ex. lunch eller middag."),
    QStringLiteral("Därefter kan du fylla i rubrik och arbetsgång i rutorna ovan."),
    QStringLiteral("Du söker recept på samma sätt som du söker livsmedel, med ett "),
    QStringLiteral("sökord."),
    QStringLiteral("Vid utskrift kan du ange önskat antal portioner."),
    QStringLiteral("Det är enklast om du lägger upp grundrecepten på 1 port."),
};

constexpr int kTitleLength = 100;

} // namespace

TFormRecept::TFormRecept(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormRecept"));
    setWindowTitle(QStringLiteral("Recept"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    resize(600, 480);

    auto* layout = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Rubrik"), this), 0, 0);
    EditRubrik = named(new QLineEdit(this), "EditRubrik");
    EditRubrik->setMaxLength(kTitleLength);
    fields->addWidget(EditRubrik, 1, 0, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("Grupp1"), this), 2, 0);
    fields->addWidget(new QLabel(QStringLiteral("Grupp2"), this), 2, 1);
    EditGrupp1 = named(new QLineEdit(this), "EditGrupp1");
    EditGrupp2 = named(new QLineEdit(this), "EditGrupp2");
    EditGrupp1->setMaxLength(30);
    EditGrupp2->setMaxLength(30);
    fields->addWidget(EditGrupp1, 3, 0);
    fields->addWidget(EditGrupp2, 3, 1);
    layout->addLayout(fields);
    layout->addWidget(new QLabel(QStringLiteral("Arbetsgång:"), this));
    MemoIngred = named(new QPlainTextEdit(this), "MemoIngred");
    layout->addWidget(MemoIngred, 1);

    auto* buttons = new QGridLayout;
    ButtonSpara =
        named(new QPushButton(QStringLiteral("Spara i egna recept"), this), "ButtonSpara");
    ButtonSpara2 =
        named(new QPushButton(QStringLiteral("Spara i allmänna recept"), this), "ButtonSpara2");
    ButtonSkriv = named(new QPushButton(QStringLiteral("Skriv ut"), this), "ButtonSkriv");
    ButtonClear = named(new QPushButton(QStringLiteral("Radera arbetsgång"), this), "ButtonClear");
    ButtonTaBort =
        named(new QPushButton(QStringLiteral("Ta bort detta recept"), this), "ButtonTaBort");
    buttons->addWidget(ButtonSpara, 0, 0);
    buttons->addWidget(ButtonSpara2, 0, 1);
    buttons->addWidget(ButtonClear, 1, 0);
    buttons->addWidget(ButtonTaBort, 1, 1);
    buttons->addWidget(ButtonSkriv, 2, 0);
    layout->addLayout(buttons);

    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setPlainText(kInstructions.join(QLatin1Char('\n')));
    Memo1->setMaximumHeight(140);
    layout->addWidget(Memo1);

    connect(ButtonSpara, &QPushButton::clicked, this, &TFormRecept::ButtonSparaClick);
    connect(ButtonSpara2, &QPushButton::clicked, this, &TFormRecept::ButtonSpara2Click);
    connect(ButtonTaBort, &QPushButton::clicked, this, &TFormRecept::ButtonTaBortClick);
    connect(ButtonClear, &QPushButton::clicked, this, &TFormRecept::ButtonClearClick);
    connect(ButtonSkriv, &QPushButton::clicked, this, &TFormRecept::ButtonSkrivClick);
}

void TFormRecept::ButtonSparaClick() {
    save(RecipeRegister::Kind::Own);
}

void TFormRecept::ButtonSpara2Click() {
    if (m_dialogs.question(this, QStringLiteral("Säkert du vill spara i ALLMÄNNA RECEPTREGISTRET?"),
                           Dialogs::Buttons::YesNoCancel) != Dialogs::Answer::Yes)
        return;
    save(RecipeRegister::Kind::General);
}

void TFormRecept::save(RecipeRegister::Kind kind) {
    // A title of blanks only would be a recipe nobody can find by name.
    const QString title = EditRubrik->text().trimmed();
    if (title.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("Du måste ange en rubrik"));
        return;
    }
    RecipeRegister reg(m_state.database, kind);
    if (reg.find(title) &&
        m_dialogs.question(
            this, QStringLiteral("Recept med detta namn finns redan, vill du ersätta det?"),
            Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    Recipe recipe;
    recipe.rubrik = title;
    recipe.grupp1 = EditGrupp1->text();
    recipe.grupp2 = EditGrupp2->text();
    recipe.beskrivning = MemoIngred->toPlainText();
    recipe.kodgram =
        Kodgram::encode(m_state.registration.meal(m_state.CurrentDay, m_state.CurrentMeal));
    QString error;
    if (!reg.save(recipe, &error)) {
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return;
    }
    afterRegisterChange();
    m_dialogs.message(this, title + (kind == RecipeRegister::Kind::Own
                                         ? QStringLiteral(" upplagd i egna receptregistret.")
                                         : QStringLiteral(" upplagd i allmänna receptregistret.")));
}

void TFormRecept::ButtonTaBortClick() {
    const QString title = EditRubrik->text();
    if (m_dialogs.question(this, QStringLiteral("Säkert att du vill radera: ") + title,
                           Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    QString error;
    switch (RecipeRegister(m_state.database, m_marker).remove(title, &error)) {
    case RecipeRegister::Removed::Done:
        m_dialogs.message(this, QStringLiteral("Receptet borttaget"));
        break;
    case RecipeRegister::Removed::NotFound:
        m_dialogs.message(this, QStringLiteral("Hittar inte receptet ") + title);
        break;
    case RecipeRegister::Removed::Failed:
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return; // the recipe is still there: keep what the window shows
    }
    MemoIngred->clear();
    EditRubrik->clear();
    afterRegisterChange();
    hide();
}

void TFormRecept::ButtonClearClick() {
    MemoIngred->clear();
}

void TFormRecept::ButtonSkrivClick() {
    const std::optional<QString> answer =
        m_dialogs.inputText(this, QStringLiteral("Önskat antal portioner."),
                            QStringLiteral("Hur många portioner?"), m_portionsText);
    if (!answer)
        return;
    m_portionsText = *answer;
    const QString method = MemoIngred->toPlainText();
    const int day = m_state.CurrentDay;
    const int meal = m_state.CurrentMeal;
    RecipeRenderer::Printout printout;
    printout.title = EditRubrik->text();
    printout.portions = m_portionsText;
    printout.owner = ReportOwner::read(m_state.DataDir);
    printout.rows = RecipePrintout::rows(
        m_state.registration.meal(day, meal), m_portionsText,
        method.isEmpty() ? QStringList() : method.split(QLatin1Char('\n')),
        m_state.results->MealSum[day][meal], m_state.results->MealEnergyShares[day][meal]);
    ReportPreview::show(this, RecipeRenderer::pageLayout(), [printout](QPagedPaintDevice& device) {
        RecipeRenderer(printout).print(device);
    });
}

void TFormRecept::clearRecipe() {
    EditRubrik->clear();
    MemoIngred->clear();
}

void TFormRecept::afterRegisterChange() {
    RecipeIndex::LoadRecipeIndex(m_state.database, m_state.catalogue);
    if (m_windows.updates)
        m_windows.updates->clearFoodList();
}

void TFormRecept::fetchRecipe(const QString& code) {
    const RecipeRegister::Kind kind =
        RecipeIndex::isOwnCode(code) ? RecipeRegister::Kind::Own : RecipeRegister::Kind::General;
    m_marker = kind;
    const QString title = RecipeIndex::titleOfCode(m_state.catalogue, code);
    const std::optional<Recipe> recipe =
        title.isEmpty() ? std::nullopt : RecipeRegister(m_state.database, kind).find(title);
    if (!recipe) {
        m_dialogs.message(this, QStringLiteral("Hittar inte receptet"));
        return;
    }
    MemoIngred->setPlainText(recipe->beskrivning);
    EditRubrik->setText(recipe->rubrik);
    EditGrupp1->setText(recipe->grupp1);
    EditGrupp2->setText(recipe->grupp2);
    setWindowTitle(recipe->rubrik);
    show();

    Registration::Meal meal = m_state.registration.meal(m_state.CurrentDay, m_state.CurrentMeal);
    const RecipeFetch::Result result = RecipeFetch::fillMeal(
        meal, Kodgram::parse(recipe->kodgram),
        {m_state.livtab100, m_state.fabrikant, m_state.egna, m_state.dabas, m_state.livtab2005});
    RegistrationSession(m_state).replaceMeal(RegistrationSession::kRecipeStep, meal);
    if (result.firstRow > 0)
        m_state.CurrentRow = result.firstRow;
    if (m_windows.updates)
        m_windows.updates->Recalculate();
    const QStringList messages = result.messages();
    if (!messages.isEmpty())
        m_dialogs.message(this, messages.join(QLatin1Char('\n')), Dialogs::Icon::Warning);
}

void TFormRecept::Hmtaettrecepttilldennamltid1Click() {
    const QString chosen = m_dialogs.openFileName(
        this, QStringLiteral("Hämta recept"), m_state.InitDir, QStringLiteral("recept (*.recept)"));
    if (chosen.isEmpty())
        return;
    const QFileInfo info(chosen);
    const QString path = info.dir().filePath(info.completeBaseName() + QStringLiteral(".recept"));
    if (!QFileInfo::exists(path))
        return;
    const auto known = [this](const QString& code) {
        for (const FoodTable* t : {&m_state.livtab100, &m_state.fabrikant, &m_state.egna,
                                   &m_state.dabas, &m_state.livtab2005}) {
            if (t->isOpen() && t->findByCode(code))
                return true;
        }
        return false;
    };
    const ReceptFile::Result file = ReceptFile::read(path, known);
    Registration::Meal meal = m_state.registration.meal(m_state.CurrentDay, m_state.CurrentMeal);
    const RecipeFetch::Result result = RecipeFetch::addRows(meal, file.rows);
    RegistrationSession(m_state).replaceMeal(RegistrationSession::kRecipeStep, meal);
    if (m_windows.updates)
        m_windows.updates->Recalculate();
    QStringList messages = file.problems;
    messages << result.messages();
    if (!messages.isEmpty())
        m_dialogs.message(this, messages.join(QLatin1Char('\n')), Dialogs::Icon::Warning);
}

} // namespace vexamat
