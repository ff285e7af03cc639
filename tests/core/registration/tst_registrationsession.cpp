#include "core/AppState.h"
#include "core/registration/MealEditor.h"
#include "core/registration/RegistrationSession.h"
#include "support/TempDataFolder.h"

#include <QTest>

#include <functional>
#include <vector>

using namespace vexamat;

namespace {

QString companion(const QString& code) {
    return QStringLiteral("namn ") + code + QLatin1Char('{') + code + QStringLiteral("}1@g");
}

// Every meal of the registration, as the history keeps meals.
using Snapshot = std::vector<std::vector<MealRow>>;

Snapshot snapshot(const Registration& reg) {
    Snapshot out;
    for (int d = 0; d < Registration::kDays; ++d)
        for (int m = 0; m < Registration::kMeals; ++m)
            out.push_back(UndoStep::keptRows(reg.meal(d, m)));
    return out;
}

struct Edit {
    const char* tag;
    QString stepName;
    std::function<bool(RegistrationSession&)> run;
};

// One of each edit the session offers, made on breakfast of day 1 holding three milk
// products (rows 1..3, 103 g each).
const std::vector<Edit>& edits() {
    using S = RegistrationSession;
    using C = S::CellResult::Status;
    static const std::vector<Edit> list{
        {"antal", S::kAntalStep,
         [](S& s) { return s.setCell(2, MealEditor::Antal, "2").status == C::Changed; }},
        {"gram with a trailing blank", S::kGramStep,
         [](S& s) { return s.setCell(1, MealEditor::Gram, "150 ").status == C::Changed; }},
        {"klockan", S::kKlockanStep,
         [](S& s) { return s.setCell(2, MealEditor::Klockan, "08:30").status == C::Changed; }},
        {"unit line", S::kUnitStep, [](S& s) { return s.applyUnitLine(1, "206 g/glas"); }},
        {"increase", S::kIncreaseStep, [](S& s) { return s.increase(1); }},
        {"decrease", S::kDecreaseStep, [](S& s) { return s.decrease(1) == S::Decrease::Done; }},
        {"delete row", S::kDeleteRowStep, [](S& s) { return s.deleteRow(2); }},
        {"insert row", S::kInsertRowStep, [](S& s) { return s.insertRow(2); }},
        {"add food", S::kAddFoodStep,
         [](S& s) {
             return s.addFood("namn 2_104", companion("2_104"), 0, false).status ==
                    FoodAdder::Status::Added;
         }},
        {"drop food on a row", S::kAddFoodStep,
         [](S& s) {
             return s.addFood("namn 2_104", companion("2_104"), 2, true).status ==
                    FoodAdder::Status::Added;
         }},
        {"add by code", S::kAddFoodStep,
         [](S& s) { return s.addByCode("2104").status == FoodAdder::Status::Added; }},
        {"paste meal", S::kPasteStep,
         [](S& s) {
             Registration::Meal copied;
             copied[1].kod = QStringLiteral("1_101");
             copied[1].livsmedel = QStringLiteral("kopierad");
             return s.pasteMeal(copied).pasted == 1;
         }},
        {"clock row", S::kClockRowStep, [](S& s) { return s.addClockRow("12:00") == 4; }},
    };
    return list;
}

struct NoOpEdit {
    const char* tag;
    std::function<bool(RegistrationSession&, QString& message)> run;
    QString message;           // what the call says, when anything
    float gramOfRow1 = 103.0f; // row 1 holds one unit (103 g) of milk unless given
    std::function<void(RegistrationSession&)> setup = {}; // before the saved point
};

// Calls on the breakfast of edits() that change nothing; run says whether the call
// answered as expected.
const std::vector<NoOpEdit>& noOpEdits() {
    using S = RegistrationSession;
    using C = S::CellResult::Status;
    const auto cell = [](int row, int column, const char* text, C expected) {
        return [=](S& s, QString& message) {
            const S::CellResult r = s.setCell(row, column, QString::fromUtf8(text));
            message = r.message;
            return r.status == expected;
        };
    };
    const QString readOnly = QStringLiteral("Du kan inte ändra i denna kolumn");
    static const std::vector<NoOpEdit> list{
        {"same grams", cell(1, MealEditor::Gram, "103", C::Unchanged), {}},
        {"same antal", cell(1, MealEditor::Antal, " 1 ", C::Unchanged), {}},
        {"livsmedel column", cell(1, MealEditor::Livsmedel, "x", C::ReadOnly), readOnly},
        {"enhet column", cell(1, MealEditor::Enhet, "x", C::ReadOnly), readOnly},
        {"grams of an empty row", cell(50, MealEditor::Gram, "100", C::NoRow), {}},
        {"time on row 0", cell(0, MealEditor::Klockan, "08:00", C::NoRow), {}},
        {"refused amount", cell(1, MealEditor::Gram, "-5", C::Refused),
         QStringLiteral("Mängden kan inte vara negativ.")},
        {"increase an empty row", [](S& s, QString&) { return !s.increase(4); }, {}},
        {"increase past 10 kg", [](S& s, QString&) { return !s.increase(1); }, {}, 9990.0f},
        {"decrease an empty row",
         [](S& s, QString&) { return s.decrease(4) == S::Decrease::NoRow; },
         {}},
        {"decrease that would use up the row",
         [](S& s, QString&) { return s.decrease(1) == S::Decrease::WouldEmpty; },
         {},
         10.0f},
        {"delete an empty row below the foods",
         [](S& s, QString&) { return !s.deleteRow(10); },
         {}},
        {"delete row 0", [](S& s, QString&) { return !s.deleteRow(0); }, {}},
        {"insert into a full meal",
         [](S& s, QString&) { return !s.insertRow(2); },
         {},
         103.0f,
         [](S& s) {
             for (int r = 4; r <= Registration::kLastRow; ++r)
                 s.addByCode("1101");
         }},
        {"waste line", [](S& s, QString&) { return !s.applyUnitLine(1, "15  % avfall"); }, {}},
        {"no code in the food line",
         [](S& s, QString&) {
             return s.addFood("--- FABRIKANTER ---", "--- FABRIKANTER ---", 0, false).status ==
                    FoodAdder::Status::NoCode;
         },
         {}},
        {"unknown food dropped on a row",
         [](S& s, QString&) {
             return s.addFood("namn 9_999", companion("9_999"), 2, true).status ==
                    FoodAdder::Status::NotFound;
         },
         {}},
        {"food for the diet survey",
         [](S& s, QString&) {
             return s.addFood("namn 2_104", companion("2_104"), 0, false, true).status ==
                    FoodAdder::Status::DietSurvey;
         },
         {}},
        {"unknown typed code",
         [](S& s, QString&) { return s.addByCode("9999").status == FoodAdder::Status::NotFound; },
         {}},
        {"paste an empty meal",
         [](S& s, QString&) { return s.pasteMeal(Registration::Meal()).pasted == 0; },
         {}},
    };
    return list;
}

} // namespace

class TstRegistrationSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void everyEditIsUndoable_data();
    void everyEditIsUndoable();
    void undoGoesBackToWhereTheEditWasMade();
    void editsThatChangeNothingAddNoStep_data();
    void editsThatChangeNothingAddNoStep();
    void aTimeTypedAgainIsCarriedDownAgain();
    void anEditAfterUndoDropsTheRedoSteps();
    void undoingPastTheSavedPointIsAChange();
    void aNewNormIsSomethingToSave();
    void aDroppedSavedPointIsNeverReachedAgain();
    void amounts_data();
    void amounts();
    void newRegistrationIsUndoableAndClean();
    void openingIsUndoableAndClean();
    void aFullHistoryDropsItsOldestSteps();

private:
    RegistrationSession session() { return RegistrationSession(*m_state); }
    // Breakfast of day 1 with three milk products, saved.
    void fillBreakfast();

    std::unique_ptr<TempDataFolder> m_data;
    std::unique_ptr<AppState> m_state;
};

void TstRegistrationSession::init() {
    m_data = std::make_unique<TempDataFolder>();
    QVERIFY(m_data->isValid());
    m_state = std::make_unique<AppState>();
    m_state->DataDir = m_data->path();
    QString error;
    QVERIFY2(m_state->openTables(&error), qPrintable(error));
}

void TstRegistrationSession::cleanup() {
    m_state.reset();
    m_data.reset();
}

void TstRegistrationSession::fillBreakfast() {
    RegistrationSession s = session();
    for (const char* code : {"1_101", "1_104", "1_106"})
        QCOMPARE(
            s.addFood(QString::fromLatin1(code), companion(QString::fromLatin1(code)), 0, false)
                .status,
            FoodAdder::Status::Added);
    s.markSaved();
    QVERIFY(!s.isChanged());
    m_state->CurrentRow = 3;
}

void TstRegistrationSession::everyEditIsUndoable_data() {
    QTest::addColumn<int>("edit");
    for (int i = 0; i < int(edits().size()); ++i)
        QTest::newRow(edits()[std::size_t(i)].tag) << i;
}

void TstRegistrationSession::everyEditIsUndoable() {
    QFETCH(int, edit);
    const Edit& e = edits()[std::size_t(edit)];
    fillBreakfast();
    const Snapshot saved = snapshot(m_state->registration);
    const int steps = m_state->history.count();

    RegistrationSession s = session();
    QVERIFY(e.run(s));
    QVERIFY(s.isChanged());
    QVERIFY(m_state->registrationChanged());
    QCOMPARE(m_state->history.count(), steps + 1);
    QCOMPARE(s.undoName(), e.stepName);
    const Snapshot edited = snapshot(m_state->registration);
    QVERIFY(edited != saved);

    QVERIFY(s.undo());
    QVERIFY(snapshot(m_state->registration) == saved);
    QVERIFY(!s.isChanged());
    QCOMPARE(m_state->CurrentRow, 3);
    QCOMPARE(s.redoName(), e.stepName);

    QVERIFY(s.redo());
    QVERIFY(snapshot(m_state->registration) == edited);
    QVERIFY(s.isChanged());
    QVERIFY(!s.canRedo());
}

void TstRegistrationSession::undoGoesBackToWhereTheEditWasMade() {
    RegistrationSession s = session();
    m_state->CurrentDay = 4;
    m_state->CurrentMeal = 5;
    m_state->CurrentRow = 7;
    QCOMPARE(s.addFood("namn 1_101", companion("1_101"), 0, false).row, 1);
    QCOMPARE(m_state->CurrentRow, 1);
    // The user moves on to another day and meal before undoing.
    m_state->CurrentDay = 0;
    m_state->CurrentMeal = 0;
    QVERIFY(s.undo());
    QCOMPARE(m_state->CurrentDay, 4);
    QCOMPARE(m_state->CurrentMeal, 5);
    QCOMPARE(m_state->CurrentRow, 7);
    QCOMPARE(m_state->CurrentMealName, QStringLiteral("Mellanmål 3"));
    QVERIFY(m_state->registration.isMealEmpty(4, 5));
    QVERIFY(s.redo());
    QCOMPARE(m_state->CurrentRow, 1);
    QCOMPARE(m_state->registration.row(4, 5, 1).kod, QStringLiteral("1_101"));
}

void TstRegistrationSession::editsThatChangeNothingAddNoStep_data() {
    QTest::addColumn<int>("edit");
    for (int i = 0; i < int(noOpEdits().size()); ++i)
        QTest::newRow(noOpEdits()[std::size_t(i)].tag) << i;
}

void TstRegistrationSession::editsThatChangeNothingAddNoStep() {
    QFETCH(int, edit);
    const NoOpEdit& e = noOpEdits()[std::size_t(edit)];
    fillBreakfast();
    RegistrationSession s = session();
    m_state->registration.row(0, 0, 1).gram = e.gramOfRow1;
    if (e.setup)
        e.setup(s);
    s.markSaved();
    const Snapshot before = snapshot(m_state->registration);
    const int steps = m_state->history.count();
    QString message;
    QVERIFY(e.run(s, message));
    QCOMPARE(message, e.message);
    QVERIFY(!s.isChanged());
    QCOMPARE(m_state->history.count(), steps);
    QVERIFY(snapshot(m_state->registration) == before);
}

void TstRegistrationSession::aTimeTypedAgainIsCarriedDownAgain() {
    fillBreakfast();
    RegistrationSession s = session();
    using C = RegistrationSession::CellResult::Status;
    QCOMPARE(s.setCell(1, MealEditor::Klockan, "08:30").status, C::Changed);
    QCOMPARE(s.setCell(3, MealEditor::Klockan, "09:15").status, C::Changed);
    // The same time on row 1 once more: row 3 and everything below take it again.
    QCOMPARE(s.setCell(1, MealEditor::Klockan, "08:30").status, C::Changed);
    for (int r : {1, 3, 99}) {
        QCOMPARE(m_state->registration.row(0, 0, r).klockan, QStringLiteral("08:30"));
        QCOMPARE(m_state->registration.row(0, 0, r).tidslot, 34);
    }
    // Once more changes nothing at all.
    QCOMPARE(s.setCell(1, MealEditor::Klockan, "08:30 ").status, C::Unchanged);
    QVERIFY(s.undo());
    QCOMPARE(m_state->registration.row(0, 0, 3).klockan, QStringLiteral("09:15"));
    QCOMPARE(m_state->registration.row(0, 0, 2).klockan, QStringLiteral("08:30"));
}

void TstRegistrationSession::anEditAfterUndoDropsTheRedoSteps() {
    fillBreakfast();
    RegistrationSession s = session();
    QVERIFY(s.increase(1));
    QVERIFY(s.deleteRow(3));
    QVERIFY(s.undo());
    QVERIFY(s.canRedo());
    QCOMPARE(s.redoName(), RegistrationSession::kDeleteRowStep);
    QVERIFY(s.insertRow(1));
    QVERIFY(!s.canRedo());
    QVERIFY(!s.redo());
    QCOMPARE(s.undoName(), RegistrationSession::kInsertRowStep);
    QVERIFY(s.undo());
    QCOMPARE(s.undoName(), RegistrationSession::kIncreaseStep);
    QCOMPARE(m_state->registration.filledRowCount(0, 0), 3);
}

void TstRegistrationSession::undoingPastTheSavedPointIsAChange() {
    fillBreakfast();
    RegistrationSession s = session();
    QVERIFY(s.increase(1));
    s.markSaved();
    QVERIFY(!s.isChanged());
    QVERIFY(s.undo());
    QVERIFY(s.isChanged());
    QVERIFY(s.redo());
    QVERIFY(!s.isChanged());
}

void TstRegistrationSession::aDroppedSavedPointIsNeverReachedAgain() {
    fillBreakfast();
    RegistrationSession s = session();
    QVERIFY(s.increase(1));
    QVERIFY(s.increase(2));
    s.markSaved();
    QVERIFY(s.undo());
    QVERIFY(s.increase(3)); // the saved state was the dropped step's
    QVERIFY(s.isChanged());
    QVERIFY(s.undo());
    QVERIFY(s.isChanged());
    QVERIFY(s.undo());
    QVERIFY(s.isChanged());
}

void TstRegistrationSession::amounts_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<float>("gram");
    QTest::addColumn<QString>("message");
    const int changed = int(RegistrationSession::CellResult::Status::Changed);
    const int unchanged = int(RegistrationSession::CellResult::Status::Unchanged);
    const int refused = int(RegistrationSession::CellResult::Status::Refused);
    const QString negative = QStringLiteral("Mängden kan inte vara negativ.");
    const QString tooLarge = QStringLiteral("Mängden är orimligt stor (mer än 10 kg på en rad).");
    const auto notANumber = [](const char* t) {
        return QStringLiteral("\"%1\" är inget tal. Skriv t.ex. 150 eller 1,5.")
            .arg(QString::fromUtf8(t));
    };
    // The row holds 50 g of a unit of 120 g.
    QTest::newRow("grams") << 3 << "150" << changed << 150.0f << "";
    QTest::newRow("trailing blank") << 3 << "150 " << changed << 150.0f << "";
    QTest::newRow("blanks around") << 3 << "  150  " << changed << 150.0f << "";
    QTest::newRow("decimal comma") << 3 << "12,5" << changed << 12.5f << "";
    QTest::newRow("decimal point") << 3 << "12.5" << changed << 12.5f << "";
    QTest::newRow("empty is 0") << 3 << "" << changed << 0.0f << "";
    QTest::newRow("blank is 0") << 3 << "  " << changed << 0.0f << "";
    QTest::newRow("exactly 10 kg") << 3 << "10000" << changed << 10000.0f << "";
    QTest::newRow("the same grams") << 3 << "50" << unchanged << 50.0f << "";
    QTest::newRow("negative") << 3 << "-2" << refused << 50.0f << negative;
    QTest::newRow("over 10 kg") << 3 << "10001" << refused << 50.0f << tooLarge;
    QTest::newRow("two points") << 3 << "1..5" << refused << 50.0f << notANumber("1..5");
    QTest::newRow("two commas") << 3 << "1,,5" << refused << 50.0f << notANumber("1,,5");
    QTest::newRow("three parts") << 3 << "1.2.3" << refused << 50.0f << notANumber("1.2.3");
    QTest::newRow("point and comma") << 3 << "1.5,0" << refused << 50.0f << notANumber("1.5,0");
    QTest::newRow("letters") << 3 << "abc" << refused << 50.0f << notANumber("abc");
    QTest::newRow("unit after the number")
        << 3 << " 1,5 g" << refused << 50.0f << notANumber("1,5 g");
    QTest::newRow("exponent") << 3 << "1e3" << refused << 50.0f << notANumber("1e3");
    QTest::newRow("antal comma") << 1 << "1,5" << changed << 180.0f << "";
    QTest::newRow("antal point") << 1 << "1.5 " << changed << 180.0f << "";
    QTest::newRow("antal empty is 0") << 1 << "" << changed << 0.0f << "";
    QTest::newRow("antal negative") << 1 << "-1" << refused << 50.0f << negative;
    QTest::newRow("antal times unit over 10 kg") << 1 << "84" << refused << 50.0f << tooLarge;
    QTest::newRow("antal letters") << 1 << "två" << refused << 50.0f << notANumber("två");
}

void TstRegistrationSession::amounts() {
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, status);
    QFETCH(float, gram);
    QFETCH(QString, message);
    MealRow& row = m_state->registration.row(0, 0, 1);
    row.kod = QStringLiteral("1_101");
    row.livsmedel = QStringLiteral("Mjölk");
    row.enhetsvikt = 120;
    row.gram = 50;
    RegistrationSession s = session();
    const RegistrationSession::CellResult r = s.setCell(1, column, text);
    QCOMPARE(int(r.status), status);
    QCOMPARE(r.message, message);
    QCOMPARE(row.gram, gram);
    QCOMPARE(s.isChanged(), r.status == RegistrationSession::CellResult::Status::Changed);
    QCOMPARE(m_state->history.count(), s.isChanged() ? 1 : 0);
}

void TstRegistrationSession::aNewNormIsSomethingToSave() {
    RegistrationSession s = session();
    m_state->NormChanged = true;
    QVERIFY(s.isChanged());
    s.markSaved();
    QVERIFY(!s.isChanged());
    fillBreakfast();
    m_state->NormChanged = true;
    s.newRegistration();
    QVERIFY(!s.isChanged());
}

void TstRegistrationSession::newRegistrationIsUndoableAndClean() {
    fillBreakfast();
    RegistrationSession s = session();
    m_state->CurrentDay = 2;
    QCOMPARE(s.addFood("namn 2_104", companion("2_104"), 0, false).row, 1);
    m_state->GlucoseStore.set(2, 1, QStringLiteral("8:00"), QStringLiteral("5,5"));
    m_state->RegistrationTitle = QStringLiteral("/hem/kalle.vexa");
    QVERIFY(s.isChanged());
    const Snapshot filled = snapshot(m_state->registration);

    s.newRegistration();
    QVERIFY(!s.isChanged());
    QCOMPARE(s.undoName(), RegistrationSession::kNewStep);
    for (int d = 0; d < Registration::kDays; ++d)
        QVERIFY(m_state->registration.isDayEmpty(d));
    QCOMPARE(m_state->CurrentDay, 0);
    QVERIFY(m_state->GlucoseStore.reading(2, 1).isEmpty());
    QVERIFY(m_state->RegistrationTitle.isEmpty());

    QVERIFY(s.undo());
    QVERIFY(snapshot(m_state->registration) == filled);
    QCOMPARE(m_state->GlucoseStore.reading(2, 1).value, QStringLiteral("5,5"));
    QCOMPARE(m_state->RegistrationTitle, QStringLiteral("/hem/kalle.vexa"));
    QCOMPARE(m_state->CurrentDay, 2);
    QVERIFY(s.isChanged());

    QVERIFY(s.redo());
    QVERIFY(m_state->registration.isDayEmpty(0));
    QVERIFY(m_state->GlucoseStore.reading(2, 1).isEmpty());
    QVERIFY(!s.isChanged());

    // A new registration of an empty one changes nothing: no step, and still clean.
    const int steps = m_state->history.count();
    s.newRegistration();
    QCOMPARE(m_state->history.count(), steps);
    QVERIFY(!s.isChanged());
}

void TstRegistrationSession::openingIsUndoableAndClean() {
    fillBreakfast();
    RegistrationSession s = session();
    QVERIFY(s.increase(1));
    const Snapshot before = snapshot(m_state->registration);
    bool emptiedFirst = false;
    s.open([&] {
        emptiedFirst = m_state->registration.isMealEmpty(0, 0);
        m_state->registration.row(3, 1, 1).kod = QStringLiteral("1_107");
        m_state->registration.row(3, 1, 1).gram = 200;
        m_state->settings.WholeDayMode = true;
        m_state->RegistrationTitle = QStringLiteral("/hem/anna.vexa   10.12.2026");
    });
    QVERIFY(emptiedFirst);
    QVERIFY(!s.isChanged());
    QCOMPARE(s.undoName(), RegistrationSession::kOpenStep);
    QVERIFY(m_state->registration.isMealEmpty(0, 0));
    const Snapshot opened = snapshot(m_state->registration);

    QVERIFY(s.undo());
    QVERIFY(snapshot(m_state->registration) == before);
    QVERIFY(!m_state->settings.WholeDayMode);
    QVERIFY(m_state->RegistrationTitle.isEmpty());
    QVERIFY(s.isChanged());
    QVERIFY(s.redo());
    QVERIFY(snapshot(m_state->registration) == opened);
    QVERIFY(m_state->settings.WholeDayMode);
    QCOMPARE(m_state->CurrentMealName, QStringLiteral("Hela dagen"));
    QVERIFY(!s.isChanged());
}

void TstRegistrationSession::aFullHistoryDropsItsOldestSteps() {
    UndoHistory history(3);
    history.setClean();
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        UndoStep step;
        step.name = QString::fromLatin1(name);
        history.push(step);
    }
    QCOMPARE(history.count(), 3);
    QCOMPARE(history.undo()->name, QStringLiteral("e"));
    QCOMPARE(history.undo()->name, QStringLiteral("d"));
    QCOMPARE(history.undo()->name, QStringLiteral("c"));
    QVERIFY(!history.undo());
    // The state that was clean went with the dropped steps.
    QVERIFY(!history.isClean());
    QCOMPARE(history.redoName(), QStringLiteral("c"));
}

QTEST_GUILESS_MAIN(TstRegistrationSession)
#include "tst_registrationsession.moc"
