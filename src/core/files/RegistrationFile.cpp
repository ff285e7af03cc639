#include "core/files/RegistrationFile.h"

#include "core/AppState.h"
#include "core/files/FoodLookup.h"
#include "core/registration/Conversions.h"
#include "core/text/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

namespace vexamat {

const QString RegistrationFile::kFilter = QStringLiteral("vexamat (*.vexa)");
const QString RegistrationFile::kOpenFailed = QStringLiteral("Kan ej öppna registrering");
const QString RegistrationFile::kOldOpenFailed = QStringLiteral("Kan ej öppna registreringen");
const QString RegistrationFile::kSaveFailed = QStringLiteral("Kan ej spara registreringen");

namespace {

const QString kWholeDay = QStringLiteral("heldagsberakning");
const QString kMeals = QStringLiteral("flera maltider");
const QString kReserv = QStringLiteral("reserv");
constexpr int kHeaderReserveLines = 9;
constexpr int kOldRows = 30;
constexpr int kKodLength = 22;
constexpr int kTimeLength = 5;

QString valueLine(const MealRow& row) {
    QString line = QString::number(double(row.gram), 'f', 1) + QLatin1Char('/') +
                   QString::number(double(row.enhetsvikt), 'f', 0) + QLatin1Char('@') + row.enhet;
    if (!row.klockan.isEmpty())
        line += QLatin1Char('&') + row.klockan;
    return line;
}

void writeReadings(QStringList& out, const QString& tag, const ReadingStore& store) {
    for (int d = 0; d < ReadingStore::kDays; ++d) {
        for (int r = 1; r <= ReadingStore::kRows; ++r) {
            const Reading& reading = store.reading(d, r);
            if (reading.isEmpty())
                continue;
            out << tag + QString::number(d) + QLatin1Char('/') + reading.time + QLatin1Char('/') +
                       reading.value + QLatin1Char('/');
        }
    }
}

// The parts of a value line; see the file layout.
struct ValueLine {
    QString grams;
    QString unitWeight;
    QString unit;
    QString time;
    int timeSlot = MealRow::kNoTimeSlot;
};

ValueLine parseValueLine(const QString& line) {
    ValueLine v;
    const qsizetype slash = line.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        v.grams = line;
        return v;
    }
    v.grams = line.left(slash);
    const qsizetype at = line.indexOf(QLatin1Char('@'), slash + 1);
    if (at < 0) {
        v.unitWeight = line.mid(slash + 1);
        return v;
    }
    v.unitWeight = line.mid(slash + 1, at - slash - 1);
    const qsizetype amp = line.indexOf(QLatin1Char('&'), at + 1);
    if (amp < 0) {
        v.unit = line.mid(at + 1);
        return v;
    }
    v.unit = line.mid(at + 1, amp - at - 1);
    v.time = line.mid(amp + 1);
    v.timeSlot = TimeToSlot(v.time);
    return v;
}

bool strictInt(const QString& text, int* value) {
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}

// One reading line "*glukos/d/time/value/": false when the day is not an integer.
bool readReading(const QString& line, ReadingStore& store, int& lastDay, int& row,
                 RegistrationFile::ReadResult& result) {
    const QStringList parts = line.split(QLatin1Char('/'));
    int day = 0;
    if (parts.size() < 4 || !strictInt(parts.value(1), &day))
        return false;
    if (!ReadingStore::isValidDay(day)) {
        ++result.droppedReadings;
        return true;
    }
    if (day != lastDay) {
        row = 1;
        lastDay = day;
    }
    if (!ReadingStore::isValidRow(row)) {
        ++result.droppedReadings;
        return true;
    }
    store.set(day, row, parts.value(2), parts.value(3));
    ++row;
    return true;
}

// "*kolhydratkvotmaltid/n/value/" and "*kolhkvot/n/value/": false when n is no integer.
template <std::size_t N> bool readSetting(const QString& line, std::array<QString, N>& cells) {
    const QStringList parts = line.split(QLatin1Char('/'));
    int n = 0;
    if (parts.size() < 3 || !strictInt(parts.value(1), &n))
        return false;
    if (n >= 1 && n <= int(N))
        cells[std::size_t(n - 1)] = parts.value(2);
    return true;
}

void fillFoodRow(MealRow& row, const FoodLookup::Food& food, const ValueLine& v) {
    row = MealRow();
    row.kod = food.kod.left(kKodLength);
    row.livsmedel = food.livsmedel;
    if (food.isNationalTable()) {
        row.enhet = v.unit.isEmpty() ? food.enhet : v.unit.left(16);
        row.enhetsvikt = v.unitWeight.isEmpty() ? food.portionsstorlek : TextToReal(v.unitWeight);
        row.altEnhet = food.altEnhet;
        row.altPort = food.altPort;
    } else {
        row.enhet = food.enhet;
        row.enhetsvikt = food.portionsstorlek;
    }
    row.gram = TextToReal(v.grams);
    row.klockan = v.time.left(kTimeLength);
    row.tidslot = v.timeSlot;
    row.kgpris = food.kgpris;
    row.naring = food.naring;
}

void fillUnknownRow(MealRow& row, const QString& code, const ValueLine& v) {
    row = MealRow();
    row.kod = code.left(kKodLength);
    row.livsmedel = QStringLiteral("Okänt livsmedel nr ") + code;
    row.enhet = v.unit.left(16);
    row.enhetsvikt = TextToReal(v.unitWeight);
    row.gram = TextToReal(v.grams);
    row.klockan = v.time.left(kTimeLength);
    row.tidslot = v.timeSlot;
    row.naring.fill(-1.0f); // no value is known: every nutrient counts as missing
}

void fillClockRow(MealRow& row, const QString& code, const ValueLine& v) {
    row = MealRow();
    row.kod = code.left(kKodLength);
    row.livsmedel = code;
    row.enhet = v.unit.left(16);
    row.enhetsvikt = TextToReal(v.unitWeight);
    row.gram = TextToReal(v.grams);
    row.klockan = v.time.left(kTimeLength);
    row.tidslot = v.timeSlot;
}

RegistrationFile::ReadResult readOldLayout(const QStringList& lines, AppState& state,
                                           FoodLookup& lookup) {
    RegistrationFile::ReadResult result;
    result.status = RegistrationFile::Status::OldLayout;
    qsizetype next = 0;
    for (int d = 0; d < Registration::kDays; ++d) {
        for (int m = 0; m < Registration::kMeals; ++m) {
            for (int s = 0; s < kOldRows; ++s) {
                if (next >= lines.size())
                    return result; // a file that ends early leaves the rest empty
                const QString code = lines.at(next).trimmed();
                const QString grams = lines.value(next + 1);
                next += 2;
                if (code.isEmpty() || code == QLatin1String("0"))
                    continue;
                const FoodLookup::Food* food = lookup.findInOldTables(code);
                if (!food) {
                    result.missingFoods << QStringLiteral("dag=%1 maltid=%2 rad=%3 Livsmedel "
                                                          "med nr %4 finns ej.")
                                               .arg(d + 1)
                                               .arg(m + 1)
                                               .arg(s + 1)
                                               .arg(code);
                    continue;
                }
                // Row 0 of a meal is never shown, so the old rows 0..29 become rows 1..30.
                MealRow& row = state.registration.row(d, m, s + 1);
                row = MealRow();
                row.kod = food->kod.left(kKodLength);
                row.livsmedel = food->livsmedel;
                row.enhet = food->enhet;
                row.enhetsvikt = food->portionsstorlek;
                row.gram = TextToReal(grams);
                row.kgpris = food->kgpris;
                for (int n = 0; n < kNutrientCount; ++n)
                    row.naring[n] = food->missing[n] ? 0.0f : food->naring[n];
            }
        }
    }
    return result;
}

} // namespace

QString RegistrationFile::withExtension(const QString& path, const QString& extension) {
    const QFileInfo info(path);
    QString base = path;
    if (!info.suffix().isEmpty())
        base.chop(info.suffix().size() + 1);
    return base + extension;
}

QStringList RegistrationFile::lines(const AppState& state, const QString& date) {
    QStringList out;
    out.reserve(1000);
    out << QStringLiteral("100") << date << (state.settings.WholeDayMode ? kWholeDay : kMeals);
    for (int i = 0; i < kHeaderReserveLines; ++i)
        out << kReserv;
    for (int d = 0; d < Registration::kDays; ++d) {
        for (int m = 0; m < Registration::kMeals; ++m) {
            for (const MealRow& row : state.registration.meal(d, m)) {
                if (row.isEmpty())
                    continue;
                out << row.kod << valueLine(row);
            }
            out << QStringLiteral("*%1/%2").arg(d).arg(m);
        }
    }
    writeReadings(out, QStringLiteral("*glukos/"), state.GlucoseStore);
    writeReadings(out, QStringLiteral("*insulin/"), state.InsulinStore);
    for (int n = 1; n <= CarbohydrateSettings::kMealRows; ++n)
        out << QStringLiteral("*kolhydratkvotmaltid/%1/%2/")
                   .arg(n)
                   .arg(state.carbohydrate.MealRatio[n - 1]);
    for (int n = 1; n <= CarbohydrateSettings::kHourRows; ++n)
        out << QStringLiteral("*kolhkvot/%1/%2/").arg(n).arg(state.carbohydrate.HourFactor[n - 1]);
    return out;
}

bool RegistrationFile::write(const QString& path, const AppState& state, const QString& date,
                             QString* error) {
    return TextCodec::writeLines(path, lines(state, date), error);
}

RegistrationFile::ReadResult RegistrationFile::read(const QString& path, AppState& state,
                                                    FoodLookup& lookup) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readLines(TextCodec::splitLines(TextCodec::decode1252(file.readAll())), state, lookup);
}

RegistrationFile::ReadResult RegistrationFile::readLines(const QStringList& lines, AppState& state,
                                                         FoodLookup& lookup) {
    ReadResult result;
    int first = 0;
    if (lines.isEmpty() || !strictInt(lines.first(), &first))
        return result;
    if (first == 0)
        return readOldLayout(lines, state, lookup);

    result.date = lines.value(1);
    state.settings.WholeDayMode = lines.value(2) == kWholeDay;

    // The foods of the file are looked up together before the rows are filled.
    QStringList codes;
    QSet<QString> seen;
    for (qsizetype i = 12; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(QLatin1Char('*')))
            continue;
        const QString code = lookup.resolveArticleNumber(lines.at(i));
        if (!code.isEmpty() && code != QLatin1String("0") && !code.contains(QLatin1Char(':')) &&
            !seen.contains(code)) {
            seen.insert(code);
            codes << code;
        }
        ++i;
    }
    lookup.prefetch(codes);

    int day = 0;
    int meal = 0;
    int slot = 1;
    int lastGlucoseDay = -1;
    int glucoseRow = 1;
    int lastInsulinDay = -1;
    int insulinRow = 1;
    for (qsizetype i = 12; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (line.startsWith(QLatin1Char('*'))) {
            if (line.contains(QLatin1String("*glukos"))) {
                if (!readReading(line, state.GlucoseStore, lastGlucoseDay, glucoseRow, result))
                    return result;
                continue;
            }
            if (line.contains(QLatin1String("*insulin"))) {
                if (!readReading(line, state.InsulinStore, lastInsulinDay, insulinRow, result))
                    return result;
                continue;
            }
            if (line.contains(QLatin1String("*kolhydratkvotmaltid"))) {
                if (!readSetting(line, state.carbohydrate.MealRatio))
                    return result;
            } else if (line.contains(QLatin1String("*kolhkvot"))) {
                if (!readSetting(line, state.carbohydrate.HourFactor))
                    return result;
            }
            slot = 1;
            if (++meal >= Registration::kMeals) {
                meal = 0;
                ++day;
            }
            continue;
        }

        QString code = line;
        const ValueLine value = parseValueLine(lines.value(++i));
        const int target = slot++;
        if (code.isEmpty() || code == QLatin1String("0"))
            continue;
        if (!Registration::isValidDay(day) || !Registration::isValidRow(target)) {
            ++result.droppedRows;
            continue;
        }
        code = lookup.resolveArticleNumber(code);
        if (code == QLatin1String("0"))
            continue;
        MealRow& row = state.registration.row(day, meal, target);
        if (code.contains(QLatin1Char(':'))) {
            fillClockRow(row, code, value);
        } else if (const FoodLookup::Food* food = lookup.find(code)) {
            fillFoodRow(row, *food, value);
        } else {
            // Kept as read, so that saving again does not delete it: the tables may be
            // damaged or replaced, and the food can come back.
            fillUnknownRow(row, code, value);
            result.missingFoods << QStringLiteral("dag=%1 maltid=%2 rad=%3 Livsmedel med nr %4 "
                                                  "finns ej.")
                                       .arg(day + 1)
                                       .arg(meal + 1)
                                       .arg(target)
                                       .arg(code);
        }
    }
    // Every meal has its end line: a file that stops before the last one was cut off.
    if (day >= Registration::kDays)
        result.status = Status::Ok;
    return result;
}

QString RegistrationFile::overflowMessage(const ReadResult& result) {
    if (!result.overflowed())
        return {};
    QStringList parts;
    if (result.droppedRows > 0)
        parts << QStringLiteral("%1 livsmedelsrader").arg(result.droppedRows);
    if (result.droppedReadings > 0)
        parts << QStringLiteral("%1 blodsocker- eller insulinvärden").arg(result.droppedReadings);
    return QStringLiteral("Registreringen innehåller mer än programmet rymmer (99 rader per "
                          "måltid, 21 dagar, 20 värden per dag). Detta lästes inte in: %1.")
        .arg(parts.join(QStringLiteral(" och ")));
}

} // namespace vexamat
