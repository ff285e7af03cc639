#include "ui/app/TFormHelp.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vexamat {

QStringList TFormHelp::instructionLines() {
    return {
        QStringLiteral(
            "- Sök upp livsmedel genom att skriva några bokstäver i sökrutan, t.ex. gröt."),
        QString(),
        QStringLiteral(
            "- Dubbelklicka på det livsmedel du ätit av, livsmedlet hoppar då över till måltiden"),
        QStringLiteral("."),
        QStringLiteral("- När du valt livsmedel kan du ändra antal eller gram (tryck på Enter "
                       "efter ändringen)"),
        QString(),
        QStringLiteral("- I regel kan du också högerklicka på det valda livsmedlet och få andra "
                       "enheter, t.ex. dl."),
        QString(),
        QStringLiteral("- När du är klar med registreringen går du upp till Arkiv/Spara "
                       "registrering och ger "),
        QStringLiteral("registreringen ett namn, t.ex. kalle. Då skapas en fil som heter "
                       "kalle.vexa. Var noga"),
        QStringLiteral(
            "med att kolla i vilken mapp du sparar registreringen, det behöver du veta när du"),
        QStringLiteral("senare ska maila registrering."),
        QString(),
        QStringLiteral(
            "-När du ska skicka din registrering gör du det under Arkiv/Maila beräkning"),
        QString(),
        QStringLiteral("INFO:"),
        QStringLiteral(
            "Vid sökning visas först livsmedel som hämtats från Livsmedelsverkets register."),
        QStringLiteral("Längre ned visas livsmedel som hämtats ur producenternas register Dabas."),
        QStringLiteral("Använd i första hand livsmedel från Livsmedelsverkets register. "),
        QStringLiteral(
            "Om du höger klickar på ett livsmedel ur Dabas kan man i regel läsa mer om produkten"),
        QStringLiteral("via Internet."),
        QStringLiteral("Ibland finns inte exakt det livsmedel man söker, tag då något liknande."),
        QString(),
        QStringLiteral(
            "Har du försökt i 15 minuter utan att komma vidare? Kontakta den som gav dig"),
        QStringLiteral("programmet, till exempel din dietist, så hjälper hon eller han dig."),
    };
}

TFormHelp::TFormHelp(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormHelp"));
    setWindowTitle(QStringLiteral("Så här gör man"));
    resize(477, 423);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(instructionLines().join(QLatin1Char('\n')));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
}

} // namespace vexamat
