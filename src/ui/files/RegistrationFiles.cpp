#include "ui/files/RegistrationFiles.h"

#include "core/AppState.h"
#include "core/text/TextCodec.h"
#include "core/files/FoodLookup.h"
#include "core/files/NormFile.h"
#include "core/files/RegistrationFile.h"
#include "core/norms/NormActivation.h"
#include "core/registration/MealPickLists.h"
#include "ui/Dialogs.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/files/TFormInfo.h"
#include "ui/norms/TFormInst.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTableWidget>

namespace vexamat {

namespace {

const QString kVexa = QStringLiteral(".vexa");
const QString kTxt = QStringLiteral(".txt");
const QString kNorm = QStringLiteral(".norm");
const QString kKgNormKind = QStringLiteral("kgkroppsviktnorm");
constexpr int kShownMissingFoods = 20;

} // namespace

RegistrationFiles::RegistrationFiles(AppState& state, Windows& windows, Dialogs& dialogs,
                                     TForm1& form)
    : m_state(state), m_windows(windows), m_dialogs(dialogs), m_form(form), m_dateText([] {
          return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
      }) {
    // Where each norm window keeps its input data; the windows add their writer and reader.
    const std::pair<const char*, const char*> kinds[] = {
        {"aktivnorm", ".akt"},   {"egennorm", ".enorm"},         {"harrisnorm", ".harris"},
        {"personnorm", ".pers"}, {"kgkroppsviktnorm", ".kropp"}, {"ketogennorm", ".ketogen"}};
    for (const auto& [kind, extension] : kinds)
        m_sideFiles[QString::fromLatin1(kind)].extension = QString::fromLatin1(extension);
}

void RegistrationFiles::registerSideFile(const QString& normKind, SideFile sideFile) {
    m_sideFiles[normKind] = std::move(sideFile);
}

QString RegistrationFiles::sideFileExtension(const QString& normKind) const {
    const auto it = m_sideFiles.find(normKind);
    return it == m_sideFiles.end() ? QString() : it->second.extension;
}

void RegistrationFiles::save() {
    const QString chosen = m_dialogs.saveFileName(&m_form, QStringLiteral("Spara registrering"),
                                                  m_state.InitDir, RegistrationFile::kFilter);
    if (chosen.isEmpty())
        return;
    const QString path = RegistrationFile::withExtension(chosen, kVexa);

    // An empty note leaves an older note file of the same name as it is.
    const QStringList note = m_windows.FormInfo ? m_windows.FormInfo->noteLines() : QStringList();
    if (!note.isEmpty() &&
        !TextCodec::writeLines(RegistrationFile::withExtension(path, kTxt), note))
        m_dialogs.message(&m_form, QStringLiteral("Kan ej spara anteckningen"),
                          Dialogs::Icon::Error);

    QString error;
    if (RegistrationFile::write(path, m_state, m_dateText(), &error)) {
        m_state.RegistrationTitle = path;
        m_state.RegistrationChanged = false;
        m_form.setWindowTitle(path + QStringLiteral("   ") + m_state.norm.NormLabel);
    } else {
        m_dialogs.message(&m_form,
                          RegistrationFile::kSaveFailed + QStringLiteral("\n") + error +
                              QStringLiteral("\nEn tidigare sparad fil med samma namn är orörd."),
                          Dialogs::Icon::Error);
    }

    if (!NormFile::write(RegistrationFile::withExtension(path, kNorm), m_state.norm))
        m_dialogs.message(&m_form, NormFile::kSaveFailed, Dialogs::Icon::Error);

    const auto side = m_sideFiles.find(m_state.norm.NormKind);
    if (side != m_sideFiles.end() && side->second.write)
        side->second.write(RegistrationFile::withExtension(path, side->second.extension));
}

void RegistrationFiles::readSideFile(const QString& base, const QString& kind) {
    const auto side = m_sideFiles.find(kind);
    if (side == m_sideFiles.end())
        return;
    const QString path = RegistrationFile::withExtension(base, side->second.extension);
    if (side->second.read && QFile::exists(path))
        side->second.read(path);
    if (side->second.afterRead)
        side->second.afterRead();
}

void RegistrationFiles::open() {
    // Cancel at the save question cancels the opening: nothing entered is overwritten.
    if (!m_form.NewRegistration())
        return;
    const QString path = m_dialogs.openFileName(&m_form, QStringLiteral("Öppna registrering"),
                                                m_state.InitDir, RegistrationFile::kFilter);
    if (path.isEmpty()) {
        rebuildAfterOpening();
        m_form.Recalculate();
        return;
    }

    QStringList note;
    if (m_windows.FormInfo &&
        TextCodec::readLines(RegistrationFile::withExtension(path, kTxt), &note))
        m_windows.FormInfo->setNoteLines(note);

    const QString normPath = RegistrationFile::withExtension(path, kNorm);
    if (QFile::exists(normPath)) {
        NormFile::read(normPath, m_state.norm, [&](const QString& kind) {
            if (kind == kKgNormKind)
                readSideFile(path, kind);
        });
    }
    if (m_state.norm.NormKind != kKgNormKind)
        readSideFile(path, m_state.norm.NormKind);
    NormActivation::ComputeNormEnergyShares(m_state.norm);

    FoodLookup lookup(m_state);
    const RegistrationFile::ReadResult result = RegistrationFile::read(path, m_state, lookup);
    if (m_windows.FormInst && result.status != RegistrationFile::Status::OldLayout)
        m_windows.FormInst->showWholeDayMode(m_state.settings.WholeDayMode);
    switch (result.status) {
    case RegistrationFile::Status::Failed:
        // What was read before the fault is shown.
        m_form.Recalculate();
        m_dialogs.message(&m_form, RegistrationFile::kOpenFailed, Dialogs::Icon::Error);
        break;
    case RegistrationFile::Status::OldLayout:
        m_form.Recalculate();
        m_form.setWindowTitle(path + QStringLiteral("   ") + m_state.norm.NormLabel);
        if (!result.missingFoods.isEmpty()) {
            QStringList shown = result.missingFoods.mid(0, kShownMissingFoods);
            if (result.missingFoods.size() > kShownMissingFoods)
                shown << QStringLiteral("... och %1 till.")
                             .arg(result.missingFoods.size() - kShownMissingFoods);
            m_dialogs.message(&m_form, shown.join(QLatin1Char('\n')), Dialogs::Icon::Warning);
        }
        break;
    case RegistrationFile::Status::Ok:
        m_state.RegistrationTitle = path + QStringLiteral("   ") + result.date;
        m_form.Recalculate();
        m_form.setWindowTitle(path + QStringLiteral("   ") + m_state.norm.NormLabel +
                              QStringLiteral("  /") + result.date);
        break;
    }
    if (result.overflowed())
        m_dialogs.message(&m_form, RegistrationFile::overflowMessage(result),
                          Dialogs::Icon::Warning);
    // What was just read is what the file holds: nothing is changed yet.
    m_state.RegistrationChanged = false;
    rebuildAfterOpening();
}

void RegistrationFiles::rebuildAfterOpening() {
    m_state.CurrentCol = 4;
    if (m_form.StringGridMaltid && m_form.StringGridMaltid->currentRow() >= 0)
        m_form.StringGridMaltid->setCurrentCell(m_form.StringGridMaltid->currentRow(), 4);
    MealPickLists::rebuild(m_state.registration, m_state.MealTypeFoods);
}

void RegistrationFiles::remove() {
    for (;;) {
        const QString path =
            m_dialogs.openFileName(&m_form, QStringLiteral("Välj registrering som du vill radera."),
                                   m_state.InitDir, RegistrationFile::kFilter);
        if (path.isEmpty())
            return;
        QFile::remove(path);
        for (const char* extension : {".txt", ".norm", ".akt", ".enorm", ".harris"}) {
            const QString side =
                RegistrationFile::withExtension(path, QString::fromLatin1(extension));
            if (QFile::exists(side))
                QFile::remove(side);
        }
        m_dialogs.message(&m_form, RegistrationFile::withExtension(path, kVexa) +
                                       QStringLiteral(" borttagen"));
    }
}

} // namespace vexamat
