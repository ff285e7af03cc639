#include "ui/files/TFormInfotext.h"

#include "core/AppState.h"
#include "core/text/TextCodec.h"
#include "core/files/InfoTexts.h"
#include "ui/Dialogs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vexamat {

TFormInfotext::TFormInfotext(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormInfotext"));
    setWindowTitle(QStringLiteral("Klicka på SPARA INFOTEXTER när du ändrat texterna!"));
    resize(760, 480);

    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    radioButtons = new QButtonGroup(this);
    auto* grid = new QGridLayout(RadioGroup1);
    const QStringList captions = InfoTexts::captions();
    for (int i = 0; i < InfoTexts::kCount; ++i) {
        auto* b = new QRadioButton(captions.at(i), RadioGroup1);
        b->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        radioButtons->addButton(b, i);
        grid->addWidget(b, i % 8, i / 8);
    }
    radioButtons->button(0)->setChecked(true);
    connect(radioButtons, &QButtonGroup::idClicked, this, &TFormInfotext::RadioGroup1Click);

    auto* memoArea = new QWidget(this);
    auto* memoLayout = new QVBoxLayout(memoArea);
    memoLayout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < InfoTexts::kCount; ++i) {
        Memo[i] = new QPlainTextEdit(memoArea);
        Memo[i]->setObjectName(QStringLiteral("Memo%1").arg(i + 1));
        memoLayout->addWidget(Memo[i]);
    }
    Button1 = new QPushButton(QStringLiteral("Spara infotexter"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TFormInfotext::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addWidget(memoArea, 1);
    layout->addWidget(Button1, 0, Qt::AlignLeft);
    FormCreate();
    RadioGroup1Click();
}

void TFormInfotext::FormCreate() {
    // A missing info.txt leaves the texts empty: there is nothing to edit yet, and saving
    // makes the file.
    QStringList lines;
    TextCodec::readLines(m_state.dataPath(InfoTexts::kFileName), &lines);
    const InfoTexts::Texts texts = InfoTexts::parse(lines);
    for (int i = 0; i < InfoTexts::kCount; ++i)
        Memo[i]->setPlainText(texts[i].join(QLatin1Char('\n')));
}

void TFormInfotext::RadioGroup1Click() {
    const int selected = radioButtons->checkedId();
    for (int i = 0; i < InfoTexts::kCount; ++i)
        Memo[i]->setVisible(i == selected);
}

void TFormInfotext::Button1Click() {
    InfoTexts::Texts texts;
    for (int i = 0; i < InfoTexts::kCount; ++i) {
        const QString text = Memo[i]->toPlainText();
        if (!text.isEmpty())
            texts[i] = text.split(QLatin1Char('\n'));
    }
    if (!TextCodec::writeLines(m_state.dataPath(InfoTexts::kFileName), InfoTexts::lines(texts)))
        m_dialogs.message(this, InfoTexts::kSaveFailed, Dialogs::Icon::Error);
}

} // namespace vexamat
