#include "core/files/RegistrationDocument.h"

#include "core/AppState.h"
#include "core/files/FoodLookup.h"
#include "core/files/NormFile.h"
#include "core/norms/NormActivation.h"
#include "core/registration/MealPickLists.h"
#include "core/registration/RegistrationSession.h"
#include "core/text/TextCodec.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace vexamat {

namespace {

const QString kVexa = QStringLiteral(".vexa");
const QString kTxt = QStringLiteral(".txt");
const QString kNorm = QStringLiteral(".norm");
// Its side file is read inside the norm file, before the norm's values.
const QString kKgNormKind = QStringLiteral("kgkroppsviktnorm");
constexpr int kClockColumn = 4;

QString withReason(const QString& message, const QString& error) {
    return error.isEmpty() ? message : message + QLatin1Char('\n') + error;
}

} // namespace

const std::vector<RegistrationDocument::SideFileKind>& RegistrationDocument::sideFileKinds() {
    static const std::vector<SideFileKind> kinds{
        {QStringLiteral("aktivnorm"), QStringLiteral(".akt")},
        {QStringLiteral("egennorm"), QStringLiteral(".enorm")},
        {QStringLiteral("harrisnorm"), QStringLiteral(".harris")},
        {QStringLiteral("personnorm"), QStringLiteral(".pers")},
        {QStringLiteral("kgkroppsviktnorm"), QStringLiteral(".kropp")},
        {QStringLiteral("ketogennorm"), QStringLiteral(".ketogen")},
    };
    return kinds;
}

RegistrationDocument::RegistrationDocument(AppState& state)
    : m_state(state), m_dateText([] {
          return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
      }) {}

void RegistrationDocument::setDateText(std::function<QString()> dateText) {
    m_dateText = std::move(dateText);
}

void RegistrationDocument::registerSideFile(const QString& normKind, SideFileHandler handler) {
    m_handlers[normKind] = std::move(handler);
}

QString RegistrationDocument::sideFileExtension(const QString& normKind) const {
    for (const SideFileKind& kind : sideFileKinds()) {
        if (kind.normKind == normKind)
            return kind.extension;
    }
    return {};
}

QString RegistrationDocument::vexaPath(const QString& chosen) {
    if (chosen.isEmpty() || chosen.endsWith(kVexa, Qt::CaseInsensitive))
        return chosen;
    // "p.andersson" stays that name: a dot in the name is no extension to replace.
    return chosen + kVexa;
}

RegistrationDocument::SaveResult RegistrationDocument::save(const QString& chosen,
                                                            const QStringList& noteLines) {
    SaveResult result;
    result.path = vexaPath(chosen);
    const QString& path = result.path;

    // An empty note leaves an older note file of the same name as it is.
    QString error;
    if (!noteLines.isEmpty() &&
        !TextCodec::writeLines(RegistrationFile::withExtension(path, kTxt), noteLines, &error))
        result.messages << kNoteSaveFailed;

    error.clear();
    if (RegistrationFile::write(path, m_state, m_dateText(), &error)) {
        result.saved = true;
        m_state.RegistrationTitle = path;
        RegistrationSession(m_state).markSaved();
    } else {
        result.messages << RegistrationFile::kSaveFailed + QLatin1Char('\n') + error +
                               QLatin1Char('\n') + kOldFileKept;
    }

    // The norm and its side file are written even when the registration was not.
    if (!NormFile::write(RegistrationFile::withExtension(path, kNorm), m_state.norm))
        result.messages << NormFile::kSaveFailed;

    const QString extension = sideFileExtension(m_state.norm.NormKind);
    const auto handler = m_handlers.find(m_state.norm.NormKind);
    if (!extension.isEmpty() && handler != m_handlers.end() && handler->second.write) {
        const QString sidePath = RegistrationFile::withExtension(path, extension);
        error.clear();
        if (!handler->second.write(sidePath, &error))
            result.messages << withReason(QStringLiteral("Kan ej spara %1").arg(sidePath), error);
    }
    return result;
}

void RegistrationDocument::readSideFile(const QString& path, const QString& normKind,
                                        QStringList& messages) {
    const QString extension = sideFileExtension(normKind);
    const auto handler = m_handlers.find(normKind);
    if (extension.isEmpty() || handler == m_handlers.end())
        return;
    const QString sidePath = RegistrationFile::withExtension(path, extension);
    if (handler->second.read && QFile::exists(sidePath)) {
        QString error;
        if (!handler->second.read(sidePath, &error))
            messages << withReason(QStringLiteral("Kan ej läsa %1").arg(sidePath), error);
    }
    if (handler->second.afterRead)
        handler->second.afterRead();
}

RegistrationDocument::OpenResult RegistrationDocument::open(const QString& path) {
    OpenResult result;
    result.path = path;
    QStringList sideMessages;

    result.noteRead =
        TextCodec::readLines(RegistrationFile::withExtension(path, kTxt), &result.noteLines);
    if (!result.noteRead)
        result.noteLines.clear();

    const QString normPath = RegistrationFile::withExtension(path, kNorm);
    if (QFile::exists(normPath)) {
        NormFile::read(normPath, m_state.norm, [&](const QString& kind) {
            if (kind == kKgNormKind)
                readSideFile(path, kind, sideMessages);
        });
    }
    // Without a norm file the norm from before stays, and so does the side file it wants.
    if (m_state.norm.NormKind != kKgNormKind)
        readSideFile(path, m_state.norm.NormKind, sideMessages);
    NormActivation::ComputeNormEnergyShares(m_state.norm);

    RegistrationSession(m_state).open([&] {
        FoodLookup lookup(m_state);
        result.file = RegistrationFile::read(path, m_state, lookup);
        // The title is part of what opening changes, so undoing the opening restores it.
        if (result.file.status == RegistrationFile::Status::Ok)
            m_state.RegistrationTitle = path + QStringLiteral("   ") + result.file.date;
    });
    m_state.CurrentCol = kClockColumn;
    MealPickLists::rebuild(m_state.registration, m_state.MealTypeFoods);

    switch (result.file.status) {
    case RegistrationFile::Status::Failed:
        result.messages << RegistrationFile::kOpenFailed;
        break;
    case RegistrationFile::Status::OldLayout:
    case RegistrationFile::Status::Ok:
        break;
    }
    if (!result.file.missingFoods.isEmpty()) {
        const QStringList& missing = result.file.missingFoods;
        QStringList shown = missing.mid(0, kShownMissingFoods);
        if (missing.size() > kShownMissingFoods)
            shown << QStringLiteral("... och %1 till.").arg(missing.size() - kShownMissingFoods);
        result.messages << shown.join(QLatin1Char('\n'));
    }
    if (result.file.overflowed())
        result.messages << RegistrationFile::overflowMessage(result.file);
    result.messages << sideMessages;
    return result;
}

RegistrationDocument::RemoveResult RegistrationDocument::remove(const QString& path) {
    RemoveResult result;
    QStringList paths{path, RegistrationFile::withExtension(path, kVexa),
                      RegistrationFile::withExtension(path, kTxt),
                      RegistrationFile::withExtension(path, kNorm)};
    for (const SideFileKind& kind : sideFileKinds())
        paths << RegistrationFile::withExtension(path, kind.extension);
    paths.removeDuplicates();
    for (const QString& file : std::as_const(paths)) {
        if (!QFileInfo(file).isFile())
            continue;
        if (QFile::remove(file))
            result.removed << file;
        else
            result.failed << file;
    }
    return result;
}

} // namespace vexamat
