#include "ui/catalogue/TFormDabas.h"

#include "core/catalogue/TableSchema.h"

#include <QPlainTextEdit>

namespace vexamat {

TFormDabas::TFormDabas(AppState& state, Windows& windows, Dialogs& dialogs)
    : FoodTableEditor(
          state, windows, dialogs,
          {QStringLiteral("TFormDabas"),
           TableSchema::Dabas,
           QStringLiteral("Dabas, näring per 100g"),
           QStringLiteral("Ändra i DABAS-tabellen"),
           false,
           {QStringLiteral("När du ändrat på en rad ska du klicka på raden ovan för att ändringen "
                           "ska sparas.")},
           QStringLiteral("För kunna skriva i tabellen måste du först klicka på knappen Ändra i "
                          "DABAS-tabellen."),
           true}) {
    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setMaximumHeight(60);
    Memo2->setPlainText(QStringLiteral(
        "DABAS tabellen kommer från fabrikanterna. Kvaliteten på uppgifterna "
        "varierar. \nI DABAS finns ofta endast värden på kcal, kJ, protein, fett och "
        "kolhydrat med."));
    insertAboveGrid(Memo2);
}

} // namespace vexamat
