#include "ui/analysis/Tformnvval.h"

#include "core/AppState.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexamat {

namespace {

struct BoxDef {
    int no;
    const char* name;
    const char* caption;
};

// The boxes by nutrient number, with their names as the window has always had them.
const BoxDef kBoxes[] = {
    {15, "cbox15", "kJ"},
    {16, "cbox16", "kcal"},
    {17, "cbox17", "vatten g"},
    {19, "cbox19", "prot g"},
    {20, "Cbox20", "fett g"},
    {21, "cbox21", "kolhydrater g"},
    {22, "cbox22", "retinol ug"},
    {23, "cbox23", "karoten ug"},
    {24, "cbox24", "retinol ekv ug"},
    {25, "cbox25", "D-vit ug"},
    {26, "cbox26", "tokoferol mg"},
    {27, "cbox27", "tiamin mg"},
    {28, "cbox28", "C-vit mg"},
    {29, "cbox29", "riboflavin mg"},
    {30, "cbox30", "niacin mg"},
    {31, "cbox31", "niacin ekv mg"},
    {32, "cbox32", "B6 mg"},
    {33, "cbox33", "B12 ug"},
    {34, "cbox34", "kalcium mg"},
    {35, "cbox35", "fosf mg"},
    {36, "cbox36", "järn mg"},
    {37, "cbox37", "magnesium mg"},
    {38, "cbox38", "natrium mg"},
    {39, "cbox39", "kalium mg"},
    {40, "cbox40", "zink mg"},
    {41, "cbox41", "fett mättat g"},
    {42, "cbox42", "fett enkelomättat g"},
    {43, "cbox43", "fett fleromättat g"},
    {44, "cbox44", "kolesterol mg"},
    {45, "cbox45", "monosackarider g"},
    {46, "cbox46", "disackarider g"},
    {47, "cbox47", "sackaros g"},
    {48, "cbox48", "fiber g"},
    {49, "cbox49", "alkohol g"},
    {50, "cbox50", "F4:0, smörsyra g"},
    {51, "cbox51", "F120, laurinsyra g"},
    {52, "cbox52", "F140, myristinsyra g"},
    {53, "cbox53", "F160, palmitinsyra g"},
    {54, "cbox54", "F180, stearinsyra g"},
    {55, "cbox55", "F200, arakidinsyra g"},
    {56, "cbox56", "F161, palmitoljesyra g"},
    {57, "cbox57", "F181, oljesyra g"},
    {58, "cbox58", "F182, linolsyra g"},
    {59, "cbox59", "F183, linolensyra g"},
    {60, "cbox60", "F204, arakidonsyra g"},
    {61, "cbox61", "F205, eikosapentaensyra g"},
    {62, "cbox62", "F225, dokosapentaensyra g"},
    {63, "cbox63", "F226, dekosahexaensyra"},
    {64, "cbox64", "folacin ug"},
    {65, "cbox65", "selen ug"},
    {66, "Cbox66", "ILE mg"},
    {67, "cBox67", "LEU mg"},
    {68, "cbox68", "LYS mg"},
    {69, "cbox69", "MET mg"},
    {70, "cbox70", "CYS mg"},
    {71, "cbox71", "PHE mg"},
    {72, "cbox72", "TYR mg"},
    {73, "cbox73", "THR mg"},
    {74, "cbox74", "TRP mg"},
    {75, "cbox75", "VAL mg"},
    {76, "cbox76", "ARG mg"},
    {77, "cbox77", "HIS mg"},
    {78, "cbox78", "ALA mg"},
    {79, "cbox79", "ASP mg"},
    {80, "cbox80", "GLU mg"},
    {81, "cbox81", "GLY mg"},
    {82, "cbox82", "PRO mg"},
    {83, "cbox83", "SER mg"},
    {84, "cbox84", "Reserv 1"},
    {85, "cbox85", "Reserv 2"},
    {86, "cbox86", "Reserv 3"},
};

constexpr int kFirstAmino = 66;
constexpr int kRowsPerColumn = 17;

} // namespace

Tformnvval::Tformnvval(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("Tformnvval"));
    setWindowTitle(QStringLiteral("Val av näringämnen"));

    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("Markera de näringsämnen du vill räkna med"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(Label1);

    auto* columns = new QHBoxLayout;
    auto* nutrients = new QGridLayout;
    auto* aminoBox = new QVBoxLayout;
    auto* aminoLabel = new QLabel(QStringLiteral("Aminosyror"), this);
    aminoLabel->setObjectName(QStringLiteral("Label2"));
    auto* amino = new QGridLayout;
    int index = 0;
    int aminoIndex = 0;
    for (const BoxDef& def : kBoxes) {
        auto* box = new QCheckBox(QString::fromUtf8(def.caption), this);
        box->setObjectName(QString::fromLatin1(def.name));
        m_boxes[def.no] = box;
        if (def.no < kFirstAmino) {
            nutrients->addWidget(box, index % kRowsPerColumn, index / kRowsPerColumn);
            ++index;
        } else {
            amino->addWidget(box, aminoIndex % 11, aminoIndex / 11);
            ++aminoIndex;
        }
    }
    aminoBox->addWidget(aminoLabel);
    aminoBox->addLayout(amino);
    Memo1 = new QPlainTextEdit(QStringLiteral("Endast artiklar med * har\nuppgift om aminosyror"),
                               this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 2 + 12);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    aminoBox->addWidget(Memo1);
    aminoBox->addStretch();
    columns->addLayout(nutrients);
    columns->addSpacing(16);
    columns->addLayout(aminoBox);
    layout->addLayout(columns);

    auto* buttons = new QHBoxLayout;
    const auto button = [this, buttons](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    Button1 = button("Button1", QStringLiteral("OK"));
    Button2 = button("Button2", QStringLiteral("Spara"));
    Button3 = button("Button3", QStringLiteral("Hämta"));
    buttons->addStretch();
    layout->addLayout(buttons);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &Tformnvval::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tformnvval::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Tformnvval::Button3Click);

    LoadSelection(nvvalPath());
}

QCheckBox* Tformnvval::box(int nutrientNo) const {
    const auto it = m_boxes.find(nutrientNo);
    return it == m_boxes.end() ? nullptr : it->second;
}

QString Tformnvval::nvvalPath() const {
    return m_state.dataPath(QStringLiteral("nvval.txt"));
}

void Tformnvval::LoadSelection(const QString& path) {
    NutrientSelection& selection = m_state.selection;
    selection.load(path);
    for (const auto& [no, box] : m_boxes)
        box->setChecked(selection.isSelected(no));
    afterSelectionChange();
}

bool Tformnvval::SaveSelection(const QString& path) {
    NutrientSelection& selection = m_state.selection;
    selection.clear();
    for (const auto& [no, box] : m_boxes)
        selection.setSelected(no, box->isChecked());
    // A failure leaves the choice in effect for this run.
    const bool saved = selection.save(path);
    afterSelectionChange();
    return saved;
}

void Tformnvval::afterSelectionChange() {
    m_state.results->SelectedCount = m_state.selection.count();
    if (m_windows.updates)
        m_windows.updates->nutrientSelectionChanged();
}

void Tformnvval::Button1Click() {
    SaveSelection(nvvalPath());
    if (m_windows.updates)
        m_windows.updates->Recalculate();
    hide();
}

void Tformnvval::Button2Click() {
    const QString chosen =
        m_dialogs.saveFileName(this, QStringLiteral("Spara valda näringsämnen"), m_state.DataDir,
                               QStringLiteral("nvval (*.nvval)"));
    if (chosen.isEmpty())
        return;
    // The file dialog asked about the name as typed, not with its extension added.
    const QString path = NutrientSelection::withNvvalExtension(chosen);
    if (path != chosen && QFile::exists(path) &&
        m_dialogs.question(this, QStringLiteral("%1 finns redan.\nVill du ersätta den?")
                                     .arg(QDir::toNativeSeparators(path))) != Dialogs::Answer::Yes)
        return;
    if (!SaveSelection(path))
        m_dialogs.message(this,
                          QStringLiteral("Näringsämnesgruppen kunde inte sparas i %1.")
                              .arg(QDir::toNativeSeparators(path)),
                          Dialogs::Icon::Error);
}

void Tformnvval::Button3Click() {
    const QString chosen =
        m_dialogs.openFileName(this, QStringLiteral("Hämta näringsämnesgrupp"), m_state.DataDir,
                               QStringLiteral("nvval (*.nvval)"));
    if (!chosen.isEmpty())
        LoadSelection(NutrientSelection::withNvvalExtension(chosen));
}

void Tformnvval::closeEvent(QCloseEvent* event) {
    // Closing keeps the choice, as "OK" does.
    SaveSelection(nvvalPath());
    if (m_windows.updates)
        m_windows.updates->Recalculate();
    event->accept();
}

} // namespace vexamat
