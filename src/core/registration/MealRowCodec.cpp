#include "core/registration/MealRowCodec.h"

#include "core/text/TextCodec.h"

#include <QtEndian>

#include <cstring>

namespace vexamat {

namespace {

struct TextField {
    int offset;
    int maxLength;
};

constexpr TextField kKod{0, 22};
constexpr TextField kLivsmedel{23, 80};
constexpr TextField kEnhet{104, 16};
constexpr int kEnhetsvikt = 124;
constexpr TextField kAltEnhet[4] = {{128, 16}, {152, 16}, {176, 16}, {200, 16}};
constexpr int kAltPort[4] = {148, 172, 196, 220};
constexpr int kGram = 224;
constexpr int kKgpris = 228;
constexpr int kAvfall = 232;
constexpr TextField kKlockan{236, 5};
constexpr int kTidslot = 244;
constexpr int kNaring = 248;

void putText(char* data, TextField f, const QString& text) {
    QByteArray bytes = TextCodec::encode1252(text).left(f.maxLength);
    data[f.offset] = char(bytes.size());
    std::memcpy(data + f.offset + 1, bytes.constData(), size_t(bytes.size()));
}

QString getText(const char* data, TextField f) {
    const int length = qMin(int(quint8(data[f.offset])), f.maxLength);
    return TextCodec::decode1252(QByteArray(data + f.offset + 1, length));
}

void putFloat(char* data, int offset, float value) {
    quint32 bits = 0;
    std::memcpy(&bits, &value, 4);
    qToLittleEndian(bits, data + offset);
}

float getFloat(const char* data, int offset) {
    const quint32 bits = qFromLittleEndian<quint32>(data + offset);
    float value = 0;
    std::memcpy(&value, &bits, 4);
    return value;
}

} // namespace

QByteArray MealRowCodec::encode(const MealRow& row) {
    QByteArray record(kRecordSize, '\0');
    char* d = record.data();
    putText(d, kKod, row.kod);
    putText(d, kLivsmedel, row.livsmedel);
    putText(d, kEnhet, row.enhet);
    putFloat(d, kEnhetsvikt, row.enhetsvikt);
    for (int i = 0; i < 4; ++i) {
        putText(d, kAltEnhet[i], row.altEnhet[i]);
        putFloat(d, kAltPort[i], row.altPort[i]);
    }
    putFloat(d, kGram, row.gram);
    putFloat(d, kKgpris, row.kgpris);
    putFloat(d, kAvfall, row.avfall);
    putText(d, kKlockan, row.klockan);
    qToLittleEndian(qint32(row.tidslot), d + kTidslot);
    for (int i = 0; i < kNutrientCount; ++i)
        putFloat(d, kNaring + 4 * i, row.naring[i]);
    return record;
}

bool MealRowCodec::decode(const QByteArray& record, MealRow* row) {
    if (record.size() < kRecordSize)
        return false;
    const char* d = record.constData();
    MealRow r;
    r.kod = getText(d, kKod);
    r.livsmedel = getText(d, kLivsmedel);
    r.enhet = getText(d, kEnhet);
    r.enhetsvikt = getFloat(d, kEnhetsvikt);
    for (int i = 0; i < 4; ++i) {
        r.altEnhet[i] = getText(d, kAltEnhet[i]);
        r.altPort[i] = getFloat(d, kAltPort[i]);
    }
    r.gram = getFloat(d, kGram);
    r.kgpris = getFloat(d, kKgpris);
    r.avfall = getFloat(d, kAvfall);
    r.klockan = getText(d, kKlockan);
    r.tidslot = qFromLittleEndian<qint32>(d + kTidslot);
    for (int i = 0; i < kNutrientCount; ++i)
        r.naring[i] = getFloat(d, kNaring + 4 * i);
    *row = r;
    return true;
}

} // namespace vexamat
