#include "ui/catalogue/TFormFabrikant.h"

#include "core/catalogue/TableSchema.h"

namespace vexamat {

TFormFabrikant::TFormFabrikant(AppState& state, Windows& windows, Dialogs& dialogs)
    : FoodTableEditor(
          state, windows, dialogs,
          {QStringLiteral("TFormFabrikant"),
           TableSchema::Fabrikant,
           QStringLiteral("Fabrikanter, näring per 100g"),
           QStringLiteral("Ändra i fabrikanttabellen."),
           false,
           {QStringLiteral("När du ändrat på en rad ska du klicka på raden ovan eller under den "
                           "du ändrat i"),
            QStringLiteral("för att ändringen ska sparas permanent."),
            QStringLiteral("Du måste starta om programmet för att ändringar ska träda i kraft.")},
           QStringLiteral("För kunna skriva i tabellen måste du först klicka på knappen Ändra i "
                          "fabrikanttabellen."),
           false}) {}

} // namespace vexamat
