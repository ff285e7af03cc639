#include "core/files/RecoveryFile.h"

#include "core/AppState.h"
#include "core/files/FoodLookup.h"
#include "core/files/NormFile.h"
#include "core/norms/NormActivation.h"
#include "core/registration/MealPickLists.h"
#include "core/registration/RegistrationSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vexamat {

namespace {

const QString kHeader = QStringLiteral("Vexamat återställning 1");
const QString kNoteSection = QStringLiteral("anteckning");
const QString kNormSection = QStringLiteral("norm");
const QString kRegistrationSection = QStringLiteral("registrering");

void appendSection(QString& out, const QString& name, const QStringList& lines) {
    out += name + QLatin1Char(' ') + QString::number(lines.size()) + QLatin1Char('\n');
    for (const QString& line : lines) {
        out += line;
        out += QLatin1Char('\n');
    }
}

// Reads "name COUNT" at lines[at] and the COUNT lines after it; false when they are not there.
bool takeSection(const QStringList& lines, qsizetype& at, const QString& name,
                 QStringList* section) {
    if (at >= lines.size())
        return false;
    const QString head = lines.at(at);
    if (!head.startsWith(name + QLatin1Char(' ')))
        return false;
    bool ok = false;
    const qsizetype count = head.mid(name.size() + 1).toLongLong(&ok);
    if (!ok || count < 0 || count > lines.size() - at - 1)
        return false;
    *section = lines.mid(at + 1, count);
    at += count + 1;
    return true;
}

} // namespace

QByteArray RecoveryFile::encode(const AppState& state, const QStringList& noteLines) {
    Contents contents;
    contents.title = state.RegistrationTitle;
    contents.noteLines = noteLines;
    contents.normLines = NormFile::lines(state.norm);
    contents.registrationLines = RegistrationFile::lines(state, QString());
    return encode(contents);
}

QByteArray RecoveryFile::encode(const Contents& contents) {
    QString out;
    out.reserve(64 * contents.registrationLines.size() + 4096);
    out += kHeader + QLatin1Char('\n');
    // A title is one line; a line break in it would shift every section after it.
    out += QString(contents.title).replace(QLatin1Char('\n'), QLatin1Char(' ')) + QLatin1Char('\n');
    appendSection(out, kNoteSection, contents.noteLines);
    appendSection(out, kNormSection, contents.normLines);
    appendSection(out, kRegistrationSection, contents.registrationLines);
    return out.toUtf8();
}

bool RecoveryFile::decode(const QByteArray& bytes, Contents* contents) {
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    // Every line ends in a line feed: a file cut short has no empty last piece.
    if (lines.size() < 2 || !lines.last().isEmpty())
        return false;
    lines.removeLast();
    if (lines.first() != kHeader)
        return false;
    Contents read;
    read.title = lines.at(1);
    qsizetype at = 2;
    if (!takeSection(lines, at, kNoteSection, &read.noteLines) ||
        !takeSection(lines, at, kNormSection, &read.normLines) ||
        !takeSection(lines, at, kRegistrationSection, &read.registrationLines) ||
        at != lines.size())
        return false;
    *contents = std::move(read);
    return true;
}

bool RecoveryFile::write(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

RecoveryFile::ReadResult RecoveryFile::read(const QString& path) {
    ReadResult result;
    if (!QFileInfo::exists(path))
        return result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = Status::Damaged;
        result.error = file.errorString();
        return result;
    }
    if (!decode(file.readAll(), &result.contents)) {
        result.status = Status::Damaged;
        result.error = QStringLiteral("Filen är ofullständig eller skadad.");
        return result;
    }
    result.status = Status::Ok;
    return result;
}

RegistrationFile::ReadResult RecoveryFile::restore(const Contents& contents, AppState& state) {
    NormFile::readLines(contents.normLines, state.norm);
    NormActivation::ComputeNormEnergyShares(state.norm);
    RegistrationFile::ReadResult result;
    RegistrationSession(state).restore([&] {
        FoodLookup lookup(state);
        result = RegistrationFile::readLines(contents.registrationLines, state, lookup);
        state.RegistrationTitle = contents.title;
    });
    MealPickLists::rebuild(state.registration, state.MealTypeFoods);
    return result;
}

QString RecoveryFile::setAside(const QString& path, const QDateTime& now, QString* error) {
    const QFileInfo info(path);
    const QString aside = info.dir().filePath(
        QStringLiteral("%1-skadad-%2.%3")
            .arg(info.completeBaseName(), now.toString(QStringLiteral("yyyy-MM-dd-HHmmss")),
                 info.suffix()));
    if (!QFile::rename(path, aside)) {
        if (error)
            *error = QStringLiteral("Kan inte byta namn på %1.").arg(path);
        return {};
    }
    return aside;
}

} // namespace vexamat
