#include "ui/recipes/MealRecipeTools.h"

#include "core/AppState.h"
#include "core/recipes/MealTools.h"
#include "core/registration/RegistrationSession.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"

#include <cmath>

namespace vexamat {

MealRecipeTools::MealRecipeTools(AppState& state, Dialogs& dialogs, MainWindowUpdates& updates,
                                 QWidget* parent)
    : m_state(state), m_dialogs(dialogs), m_updates(updates), m_parent(parent) {}

void MealRecipeTools::Divideranerettrecept1Click() {
    const std::optional<QString> typed = m_dialogs.inputText(
        m_parent, QStringLiteral("Dela ner ett recept från flera port till 1 port"),
        QStringLiteral("Ange hur många portioner receptet är beräknat för: "), QStringLiteral("4"));
    if (!typed)
        return;
    if (m_dialogs.question(m_parent,
                           QStringLiteral("Alla vikter i den pågående måltiden kommer nu att "
                                          "divideras med ") +
                               *typed + QStringLiteral(" ?"),
                           Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    float portions = 0;
    if (!MealTools::portionsOf(*typed, &portions)) {
        m_dialogs.message(m_parent, MealTools::kBadPortions, Dialogs::Icon::Warning);
        return;
    }
    Registration::Meal meal = m_state.registration.meal(m_state.CurrentDay, m_state.CurrentMeal);
    MealTools::divide(meal, portions);
    if (RegistrationSession(m_state).replaceMeal(RegistrationSession::kDivideStep, meal))
        m_updates.Recalculate();
}

void MealRecipeTools::Lgguppettreceptiartikelregistret1Click() {
    if (m_dialogs.question(
            m_parent,
            QStringLiteral("Vill du lägga upp denna måltid som artikel i livsmedelsregistret?"),
            Dialogs::Buttons::YesNoCancel) != Dialogs::Answer::Yes)
        return;
    const std::optional<QString> name =
        m_dialogs.inputText(m_parent, QStringLiteral("Vad ska den nya artikeln heta?"),
                            QStringLiteral("Skriv namnet på den nya artikeln: "));
    if (!name)
        return;
    if (name->trimmed().isEmpty()) {
        // A food without a name would be taken for a free placeholder again.
        m_dialogs.message(m_parent, QStringLiteral("Artikeln måste ha ett namn"),
                          Dialogs::Icon::Warning);
        return;
    }
    const Registration::Meal& meal =
        m_state.registration.meal(m_state.CurrentDay, m_state.CurrentMeal);
    const float total = MealTools::totalGrams(meal);
    const std::optional<QString> typed =
        m_dialogs.inputText(m_parent, QStringLiteral("Alla artiklar läggs upp per 100 gram"),
                            QStringLiteral("Ange vad det färdiga receptet väger"),
                            QString::number(std::round(double(total)), 'f', 0));
    if (!typed)
        return;
    float weight = 0;
    if (!MealTools::weightOf(*typed, &weight)) {
        m_dialogs.message(m_parent, MealTools::kBadWeight, Dialogs::Icon::Warning);
        return;
    }
    // The sums of this meal as they are now, whatever was shown last.
    m_state.recalculate();
    const NutrientValues values = MealTools::per100g(
        m_state.results->MealSum[std::size_t(m_state.CurrentDay)][std::size_t(m_state.CurrentMeal)],
        weight);
    MealTools::Stored stored;
    QString error;
    if (!MealTools::storeOwnFood(m_state.database, name->trimmed(), weight, values, &stored,
                                 &error)) {
        m_dialogs.message(m_parent, error, Dialogs::Icon::Error);
        return;
    }
    // Searchable at once: the catalogue reads egna again.
    m_state.catalogue.loadEgna(m_state.egna);
    m_dialogs.message(m_parent, QLatin1Char('"') + stored.name +
                                    QStringLiteral("\"  är upplagt bland egna livsmedel."));
}

} // namespace vexamat
