// The main window's whole refresh after an edited amount, with the bar chart shown, on a full
// registration: 21 days x 9 meals x 99 rows, every row a food.
#include "core/AppState.h"
#include "ui/Dialogs.h"
#include "ui/app/TForm1.h"
#include "ui/app/WindowSet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <memory>

using namespace vexamat;

namespace {

// Every message is answered "no" silently: a benchmark has no one to ask.
class SilentDialogs : public Dialogs {
public:
    void message(QWidget*, const QString&, Icon) override {}
    Answer question(QWidget*, const QString&, Buttons) override { return Answer::No; }
    std::optional<QString> inputText(QWidget*, const QString&, const QString&, const QString&,
                                     bool) override {
        return std::nullopt;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
};

void fill(Registration& reg) {
    int k = 0;
    for (int d = 0; d < Registration::kDays; ++d) {
        for (int m = 0; m < Registration::kMeals; ++m) {
            for (int r = 1; r <= Registration::kLastRow; ++r, ++k) {
                MealRow& row = reg.row(d, m, r);
                row.kod = QString::number(1000 + k % 500);
                row.livsmedel = QStringLiteral("Livsmedel %1").arg(k % 500);
                row.enhet = QStringLiteral("g");
                row.enhetsvikt = 1;
                row.gram = 50.0f + static_cast<float>(k % 200);
                row.kgpris = 25.0f;
                row.tidslot = k % 97;
                for (int n = 0; n < kNutrientCount; ++n)
                    row.naring[n] =
                        ((k + n) % 17 == 0) ? -1.0f : static_cast<float>((k * n) % 300) * 0.1f;
            }
        }
    }
}

struct Program {
    QTemporaryDir dir;
    SilentDialogs dialogs;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    std::unique_ptr<WindowSet> windows;

    Program() {
        const QDir source(QStringLiteral(VEXAMAT_BENCH_DATA));
        for (const QString& name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), dir.filePath(name));
        state->DataDir = dir.path();
        windows = std::make_unique<WindowSet>(*state, dialogs);
        windows->create();
        TForm1* form = windows->mainWindow();
        form->show();
        if (!form->isExtendedLayout())
            form->findChild<QPushButton*>(QStringLiteral("ButtonEnklare"))->click();
        fill(state->registration);
    }
};

void runView(benchmark::State& st, const char* viewButton) {
    Program program;
    TForm1* form = program.windows->mainWindow();
    form->findChild<QToolButton*>(QString::fromLatin1(viewButton))->click();
    QApplication::processEvents();
    MealRow& edited = program.state->registration.row(0, 0, 1);
    for (auto _ : st) {
        // A changed amount, as after an edit in the meal grid.
        edited.gram = edited.gram == 100.0f ? 150.0f : 100.0f;
        form->Recalculate();
        QApplication::processEvents(); // the chart lays itself out and paints
    }
}

void BM_RecalculateMealView(benchmark::State& st) {
    runView(st, "SpeedButton9");
}
void BM_RecalculateDayView(benchmark::State& st) {
    runView(st, "SpeedButton10");
}
void BM_RecalculateDaysView(benchmark::State& st) {
    runView(st, "SpeedButton11");
}
// The day view with every detail window of the extended layout open: each refreshes on every
// recalculation.
void BM_RecalculateEveryViewOpen(benchmark::State& st) {
    Program program;
    TForm1* form = program.windows->mainWindow();
    form->findChild<QToolButton*>(QStringLiteral("SpeedButton10"))->click();
    int open = 0;
    for (const char* name :
         {"ButtonVisaSiffror", "ButtonNvPerKg", "ButtonNv100g", "ButtonGram", "ButtonFett",
          "ButtonEnergiCirkel", "ButtonLivsGrupper", "ButtonSalt"}) {
        auto* button = form->findChild<QPushButton*>(QString::fromLatin1(name));
        if (button && button->isVisible()) {
            button->click();
            ++open;
        }
    }
    QApplication::processEvents();
    MealRow& edited = program.state->registration.row(0, 0, 1);
    for (auto _ : st) {
        edited.gram = edited.gram == 100.0f ? 150.0f : 100.0f;
        form->Recalculate();
        QApplication::processEvents();
    }
    st.counters["windows"] = open;
}

BENCHMARK(BM_RecalculateMealView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecalculateDayView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecalculateDaysView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecalculateEveryViewOpen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VEXAMAT_NO_SPLASH", "1");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
