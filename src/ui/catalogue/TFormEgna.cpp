#include "ui/catalogue/TFormEgna.h"

#include "core/AppState.h"
#include "core/catalogue/TableSchema.h"
#include "ui/Dialogs.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace vexamat {

TFormEgna::TFormEgna(AppState& state, Windows& windows, Dialogs& dialogs)
    : FoodTableEditor(
          state, windows, dialogs,
          {QStringLiteral("TFormEgna"),
           TableSchema::Egna,
           QStringLiteral("Egna livsmedel, näring per 100g"),
           QStringLiteral("Ändra i egna tabellen."),
           false,
           {QStringLiteral("När du ändrat på en rad ska du klicka på raden ovan eller under den "),
            QStringLiteral("du ändrat i för att ändringen ska sparas permanent."),
            QStringLiteral("När du klickar på knappen Klar träder ändringarna i kraft."),
            QStringLiteral("CTRL+Delete tar bort markerat livsmedel.")},
           QStringLiteral("För kunna skriva i tabellen måste du först klicka på knappen Ändra i "
                          "egnatabellen."),
           false}) {
    ButtonKlar = new QPushButton(QStringLiteral("Klar"), this);
    ButtonKlar->setObjectName(QStringLiteral("ButtonKlar"));
    ButtonKlar->hide();
    buttonRow()->insertWidget(3, ButtonKlar);
    connect(ButtonKlar, &QPushButton::clicked, this, &TFormEgna::ButtonKlarClick);
}

void TFormEgna::unlocked() {
    ButtonKlar->show();
}

void TFormEgna::ButtonKlarClick() {
    // The row being edited counts too.
    storeEdits();
    m_state.catalogue.loadEgna(m_state.egna);
    m_dialogs.message(this, QStringLiteral("Egna livsmedel sorterade och klara för användning"));
}

} // namespace vexamat
