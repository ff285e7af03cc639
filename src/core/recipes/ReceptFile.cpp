#include "core/recipes/ReceptFile.h"

#include "core/text/TextCodec.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace vexamat {

namespace {

struct TextField {
    const char* name;
    int offset;
    int maxLength;
};

struct NumberField {
    const char* name;
    int offset;
};

constexpr TextField kKod{"kod", 0, 22};
constexpr TextField kLivsmedel{"livsmedel", 23, 80};
constexpr TextField kEnhet{"enhet", 104, 16};
constexpr NumberField kEnhetsvikt{"enhetsvikt", 124};
constexpr TextField kAltEnhet[4] = {
    {"enhet1", 128, 16}, {"enhet2", 152, 16}, {"enhet3", 176, 16}, {"enhet4", 200, 16}};
constexpr NumberField kAltPort[4] = {
    {"port1", 148}, {"port2", 172}, {"port3", 196}, {"port4", 220}};
constexpr NumberField kGram{"gram", 224};
constexpr NumberField kKgpris{"kgpris", 228};
constexpr NumberField kAvfall{"avfall", 232};
constexpr TextField kKlockan{"klockan", 236, 5};
constexpr int kTidslot = 244;
constexpr int kNaring = 248;

class RecordReader {
public:
    explicit RecordReader(const QByteArray& record) : m_data(record.constData()) {}

    bool text(TextField f, QString* out, QString* problem) const {
        const int length = quint8(m_data[f.offset]);
        if (length > f.maxLength) {
            *problem = QStringLiteral("fältet %1 anger %2 tecken, högst %3 ryms")
                           .arg(QLatin1String(f.name))
                           .arg(length)
                           .arg(f.maxLength);
            return false;
        }
        *out = TextCodec::decode1252(QByteArray(m_data + f.offset + 1, length));
        return true;
    }

    bool number(NumberField f, float* out, QString* problem) const {
        const quint32 bits = qFromLittleEndian<quint32>(m_data + f.offset);
        float value = 0;
        std::memcpy(&value, &bits, 4);
        if (!std::isfinite(value)) {
            *problem = QStringLiteral("fältet %1 är inget tal").arg(QLatin1String(f.name));
            return false;
        }
        *out = value;
        return true;
    }

    qint32 integer(int offset) const { return qFromLittleEndian<qint32>(m_data + offset); }

private:
    const char* m_data;
};

} // namespace

bool ReceptFile::decodeRecord(const QByteArray& record, MealRow* row, QString* problem) {
    if (record.size() < kRecordSize) {
        *problem = QStringLiteral("posten är avkortad (%1 av %2 byte)")
                       .arg(record.size())
                       .arg(kRecordSize);
        return false;
    }
    const RecordReader in(record);
    MealRow r;
    bool ok = in.text(kKod, &r.kod, problem) && in.text(kLivsmedel, &r.livsmedel, problem) &&
              in.text(kEnhet, &r.enhet, problem) && in.number(kEnhetsvikt, &r.enhetsvikt, problem);
    for (int i = 0; ok && i < MealRow::kAltUnitCount; ++i)
        ok = in.text(kAltEnhet[i], &r.altEnhet[std::size_t(i)], problem) &&
             in.number(kAltPort[i], &r.altPort[std::size_t(i)], problem);
    ok = ok && in.number(kGram, &r.gram, problem) && in.number(kKgpris, &r.kgpris, problem) &&
         in.number(kAvfall, &r.avfall, problem) && in.text(kKlockan, &r.klockan, problem);
    if (!ok)
        return false;
    r.tidslot = in.integer(kTidslot);
    if (r.tidslot < 0 || r.tidslot > MealRow::kNoTimeSlot) {
        *problem = QStringLiteral("fältet tidslot har värdet %1").arg(r.tidslot);
        return false;
    }
    for (int i = 0; i < kNutrientCount; ++i) {
        const NumberField f{"naring", kNaring + 4 * i};
        if (!in.number(f, &r.naring[std::size_t(i)], problem))
            return false;
    }
    if (r.gram < 0) {
        *problem = QStringLiteral("fältet gram är negativt");
        return false;
    }
    *row = r;
    return true;
}

ReceptFile::Result ReceptFile::parse(const QByteArray& data,
                                     const std::function<bool(const QString&)>& knownCode) {
    Result result;
    result.opened = true;
    int recordNo = 0;
    // The first record is a header that carries nothing.
    for (qsizetype pos = kRecordSize; pos < data.size(); pos += kRecordSize) {
        ++recordNo;
        const QByteArray record = data.mid(pos, kRecordSize);
        const QString where = QStringLiteral("Post %1: ").arg(recordNo);
        MealRow row;
        QString problem;
        if (!decodeRecord(record, &row, &problem)) {
            result.problems << where + problem;
            continue;
        }
        if (row.isEmpty())
            continue;
        if (!row.isClockRow() && knownCode && !knownCode(row.kod)) {
            result.problems << where + QStringLiteral("livsmedel med nr %1 finns ej").arg(row.kod);
            continue;
        }
        result.rows << row;
    }
    if (data.size() > 0 && data.size() < kRecordSize)
        result.problems << QStringLiteral("Filen är kortare än en post");
    return result;
}

ReceptFile::Result ReceptFile::read(const QString& path,
                                    const std::function<bool(const QString&)>& knownCode) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll(), knownCode);
}

} // namespace vexamat
