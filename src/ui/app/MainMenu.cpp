#include "ui/app/MainMenu.h"

#include "ui/Windows.h"
#include "ui/analysis/TFormToppen.h"
#include "ui/analysis/Tformnvval.h"
#include "ui/catalogue/TFormDabas.h"
#include "ui/catalogue/TFormEgna.h"
#include "ui/catalogue/TFormFabrikant.h"
#include "ui/catalogue/TFormTab.h"
#include "ui/files/TFormInfo.h"
#include "ui/mail/TFormMailIndy.h"
#include "ui/norms/TFormAktiv.h"
#include "ui/norms/TFormEgenNorm.h"
#include "ui/norms/TFormHarris.h"
#include "ui/norms/TFormInst.h"
#include "ui/norms/TFormKetogen.h"
#include "ui/norms/TFormKgKroppsvikt.h"
#include "ui/norms/TFormNorm.h"
#include "ui/norms/TFormPerson.h"
#include "ui/norms/TFormVeckoAktiv.h"
#include "ui/recipes/TFormRecept.h"
#include "ui/recipes/TFormReceptTab.h"
#include "ui/recipes/TFormReceptTab2.h"
#include "ui/reports/TFormLivsBehov.h"
#include "ui/reports/TFormStatistik.h"
#include "ui/reports/TFormForskning.h"
#include "ui/reports/TFormUtskriftsval2.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace vexamat {

namespace {

enum class Shown {
    Always,   // both layouts
    Extended, // the extended layout only
    Hidden,   // never shown: reached by its shortcut, or its window is not built yet
};

// A menu of the menu bar: its object name, caption and when it shows.
struct MenuEntry {
    const char* name;
    const char* caption;
    Shown shown;
};

const MenuEntry kMenus[] = {
    {"Arkiv1", "Arkiv", Shown::Always},
    {"Redigera1", "Redigera", Shown::Always},
    {"Normer1", "Normer", Shown::Extended},
    {"Register1", "Register", Shown::Extended},
};

using WindowGetter = QWidget* (*)(Windows&);

template <auto member> QWidget* windowAt(Windows& windows) {
    return windows.*member;
}

// One menu item, in menu bar order. menu: the object name of its menu, or nullptr for an
// item on the menu bar itself; window: the window it opens, or nullptr for an item the main
// window connects itself.
struct ItemEntry {
    const char* menu;
    const char* name;
    const char* caption;
    Shown shown;
    WindowGetter window;
    const char* shortcut;
};

} // namespace

MainMenu::MainMenu(QMainWindow& window, Windows& windows)
    : QObject(&window), m_window(window), m_windows(windows) {
    const ItemEntry items[] = {
        {"Arkiv1", "Nyberkning1", "Ny registrering", Shown::Always, nullptr, nullptr},
        {"Arkiv1", "Hmtaberkning1", "Hämta registrering", Shown::Always, nullptr, nullptr},
        {"Arkiv1", "SparaBerkning1", "Spara registrering", Shown::Always, nullptr, nullptr},
        {"Arkiv1", "Mailaberkning1", "Maila registrering", Shown::Always,
         windowAt<&Windows::FormMailIndy>, nullptr},
        {"Arkiv1", "Utskrift1", "Utskrift", Shown::Hidden, nullptr, nullptr},
        {"Arkiv1", "Utskrift21", "Utskrift", Shown::Extended, windowAt<&Windows::FormUtskriftsval2>,
         nullptr},
        {"Arkiv1", "Utskriftrecept1", "Utskrift recept", Shown::Extended, nullptr, nullptr},
        {"Arkiv1", "Utskriftlivsmedelsbehov1", "Utskrift livsmedelsbehov", Shown::Extended,
         windowAt<&Windows::FormLivsBehov>, nullptr},
        {"Arkiv1", "Utskrifttillstatistikfil1", "Utskrift till statistikfil", Shown::Extended,
         windowAt<&Windows::FormStatistik>, nullptr},
        {"Arkiv1", "Extrainfo1", "Info om denna beräkning", Shown::Always,
         windowAt<&Windows::FormInfo>, nullptr},
        {"Arkiv1", "Recept1", "Recept", Shown::Extended, windowAt<&Windows::FormRecept>, nullptr},
        {"Arkiv1", "Hmtaettrecepttilldennamltid1", "Hämta ett recept till denna måltid",
         Shown::Extended, nullptr, nullptr},
        {"Arkiv1", "Lgguppettreceptiartikelregistret1", "Lägg upp recept i artikelregistret",
         Shown::Extended, nullptr, nullptr},
        {"Arkiv1", "Divideranerettrecept1", "Dividera ner ett recept", Shown::Extended, nullptr,
         nullptr},
        {"Arkiv1", "Instllningar1", "Inställningar", Shown::Extended, windowAt<&Windows::FormInst>,
         nullptr},
        {"Arkiv1", "Radera", "Radera registrering", Shown::Always, nullptr, nullptr},
        {"Arkiv1", "namnsoek", "Sök på namn", Shown::Hidden, nullptr, "Ctrl+S"},
        {"Arkiv1", "ketogen", "Ketogen kost", Shown::Extended, windowAt<&Windows::FormKetogen>,
         nullptr},
        {"Arkiv1", "Kostunderskningar1", "Kostundersökningar", Shown::Extended,
         windowAt<&Windows::FormForskning>, nullptr},
        {"Redigera1", "ngra1", "Ångra", Shown::Always, nullptr, "Ctrl+Z"},
        {"Redigera1", "Grom1", "Gör om", Shown::Always, nullptr, "Ctrl+Y"},
        {"Redigera1", "Kopieradennamltid2", "Kopiera denna måltid", Shown::Always, nullptr,
         nullptr},
        {"Redigera1", "Klistraindennamltid1", "Klistra in måltid", Shown::Always, nullptr, nullptr},
        {"Normer1", "Standardnormer1", "Standardnormer, SNR", Shown::Extended,
         windowAt<&Windows::FormNorm>, nullptr},
        {"Normer1", "Aktiviteter1", "Aktiviteter", Shown::Extended, windowAt<&Windows::FormAktiv>,
         nullptr},
        {"Normer1", "veckoaktiviteter", "Aktiviteter detaljerat", Shown::Extended,
         windowAt<&Windows::FormVeckoAktiv>, nullptr},
        {"Normer1", "Angesjlvnskadenergifrbrukning1", "Ange själv önskad energiförbrukning",
         Shown::Extended, windowAt<&Windows::FormEgenNorm>, nullptr},
        {"Normer1", "HarrisBenedikt1", "Harris Benedict energy estimation", Shown::Extended,
         windowAt<&Windows::FormHarris>, nullptr},
        {"Normer1", "Personlignorm1", "Personlig norm, BMI", Shown::Extended,
         windowAt<&Windows::FormPerson>, nullptr},
        {"Normer1", "Perkgkroppsvikt1", "Per kg kroppsvikt", Shown::Extended,
         windowAt<&Windows::FormKgKroppsvikt>, nullptr},
        {"Normer1", "Ketogenkost1", "Ketogen kost", Shown::Extended,
         windowAt<&Windows::FormKetogen>, nullptr},
        {nullptr, "Vljnringsmnen1", "Välj näringsämnen", Shown::Extended,
         windowAt<&Windows::formnvval>, nullptr},
        {nullptr, "Nringstoppen1", "Näringstoppen", Shown::Always, windowAt<&Windows::FormToppen>,
         nullptr},
        {"Register1", "Livsmedelstabell1", "Livsmedelsverket", Shown::Extended,
         windowAt<&Windows::FormTab>, nullptr},
        {"Register1", "Fabrikanter1", "Fabrikanter", Shown::Extended,
         windowAt<&Windows::FormFabrikant>, nullptr},
        {"Register1", "Egna1", "Egna", Shown::Extended, windowAt<&Windows::FormEgna>, nullptr},
        {"Register1", "Dabas1", "Dabas", Shown::Extended, windowAt<&Windows::FormDabas>, nullptr},
        {"Register1", "Receptregister1", "Recept egna", Shown::Extended,
         windowAt<&Windows::FormReceptTab>, nullptr},
        {"Register1", "Receptregister2", "Recept allmänna", Shown::Extended,
         windowAt<&Windows::FormReceptTab2>, nullptr},
        {nullptr, "wwwInfo", "wwwInfo", Shown::Hidden, nullptr, nullptr},
        {nullptr, "Copyright1", "Copyright", Shown::Always, nullptr, nullptr},
    };

    QMenuBar* bar = m_window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* menu = nullptr;
    for (const ItemEntry& item : items) {
        QAction* action = nullptr;
        if (!item.menu) {
            action = bar->addAction(QString::fromUtf8(item.caption));
        } else {
            if (!menu || menu->objectName() != QLatin1String(item.menu)) {
                const MenuEntry* entry = nullptr;
                for (const MenuEntry& m : kMenus) {
                    if (qstrcmp(m.name, item.menu) == 0)
                        entry = &m;
                }
                menu = bar->addMenu(QString::fromUtf8(entry->caption));
                menu->setObjectName(QString::fromLatin1(entry->name));
                menu->menuAction()->setProperty("shown", int(entry->shown));
            }
            action = menu->addAction(QString::fromUtf8(item.caption));
        }
        action->setObjectName(QString::fromLatin1(item.name));
        action->setProperty("shown", int(item.shown));
        if (item.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        if (item.window)
            connect(action, &QAction::triggered, this,
                    [this, getter = item.window] { openWindow(getter(m_windows)); });
    }
    // A hidden item's shortcut does not fire in Qt: the window carries it as well.
    if (QAction* search = action(QStringLiteral("namnsoek")))
        m_window.addAction(search);
    setExtended(false);
}

QAction* MainMenu::action(const QString& name) const {
    return m_window.menuBar()->findChild<QAction*>(name);
}

void MainMenu::setExtended(bool extended) {
    const auto shows = [extended](const QAction* action) {
        switch (Shown(action->property("shown").toInt())) {
        case Shown::Always:
            return true;
        case Shown::Extended:
            return extended;
        case Shown::Hidden:
            return false;
        }
        return false;
    };
    for (QAction* action : m_window.menuBar()->findChildren<QAction*>()) {
        if (action->property("shown").isValid())
            action->setVisible(shows(action));
    }
}

void MainMenu::openWindow(QWidget* window) {
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace vexamat
