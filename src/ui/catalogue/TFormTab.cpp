#include "ui/catalogue/TFormTab.h"

#include "core/AppState.h"
#include "core/catalogue/AminoImport.h"
#include "core/catalogue/OwnFoodCopy.h"
#include "core/catalogue/TableSchema.h"
#include "ui/Dialogs.h"
#include "ui/Windows.h"
#include "ui/MainWindowUpdates.h"
#include "ui/catalogue/TFormEgna.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace vexamat {

TFormTab::TFormTab(AppState& state, Windows& windows, Dialogs& dialogs)
    : FoodTableEditor(
          state, windows, dialogs,
          {QStringLiteral("TFormTab"),
           TableSchema::Livtab100,
           QStringLiteral("Näring per 100 gram"),
           QStringLiteral("Ändra i livsmedelstabellen."),
           true,
           {QStringLiteral("När du ändrat på en rad ska du klicka på raden ovan eller under den "
                           "du ändrat i"),
            QStringLiteral("för att ändringen ska sparas permanent."),
            QStringLiteral("Du måste starta om programmet för att ändringar ska träda i kraft.")},
           QStringLiteral("För kunna skriva i tabellen måste du först klicka på knappen Ändra i "
                          "livsmedelstabellen."),
           false}) {
    Button2 = new QPushButton(QStringLiteral("Kopiera livsmedel till Egna-tabellen"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    ButtonAmino = new QPushButton(QStringLiteral("Amino"), this);
    ButtonAmino->setObjectName(QStringLiteral("ButtonAmino"));
    ButtonAmino->hide();
    buttonRow()->insertWidget(3, Button2);
    buttonRow()->insertWidget(4, ButtonAmino);
    connect(Button2, &QPushButton::clicked, this, &TFormTab::Button2Click);
    connect(ButtonAmino, &QPushButton::clicked, this, &TFormTab::ButtonAminoClick);

    // Start-up is over once this window exists; the program comes up showing the fruits.
    m_state.StartingUp = false;
    if (m_windows.updates)
        m_windows.updates->showFoodGroup(QStringLiteral("Frukt"));
}

void TFormTab::Button2Click() {
    const QString code = currentCode();
    const QString name = currentName();
    if (code.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("Markera först det livsmedel som ska kopieras."));
        return;
    }
    if (m_dialogs.question(this, QStringLiteral("Vill du kopiera   ") + name +
                                     QStringLiteral("   till Egna-tabellen ?")) !=
        Dialogs::Answer::Yes)
        return;
    OwnFoodCopy::Result result;
    QString error;
    if (!OwnFoodCopy::copy(m_state.database, code, &result, &error)) {
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return;
    }
    if (m_windows.FormEgna)
        m_windows.FormEgna->refresh();
    m_dialogs.message(this, name + QStringLiteral("  kopierat till egnatabellen"));
}

void TFormTab::ButtonAminoClick() {
    storeEdits();
    QString error;
    const int found =
        AminoImport::run(m_state.database, m_state.dataPath(AminoImport::kFileName), &error);
    if (found < 0) {
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return;
    }
    refresh();
    m_dialogs.message(this, QString::number(found) +
                                QStringLiteral(" livsmedel har kompletterats med aminosyror"));
}

} // namespace vexamat
