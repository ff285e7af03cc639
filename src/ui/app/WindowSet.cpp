#include "ui/app/WindowSet.h"

#include "core/AppState.h"
#include "ui/analysis/TFormEnergiCirkel.h"
#include "ui/analysis/TFormFettStapel.h"
#include "ui/analysis/TFormGramTotal.h"
#include "ui/analysis/TFormLivsmedelsgrupper.h"
#include "ui/analysis/TFormNvPer100g.h"
#include "ui/analysis/TFormNvPerKg.h"
#include "ui/analysis/TFormSalt.h"
#include "ui/analysis/TFormToppen.h"
#include "ui/analysis/TFormVisaNv.h"
#include "ui/analysis/TFormsiffror.h"
#include "ui/analysis/Tformnvval.h"
#include "ui/app/TForm1.h"
#include "ui/app/TFormHelp.h"
#include "ui/app/TFormLadda.h"
#include "ui/catalogue/TFormDabas.h"
#include "ui/catalogue/TFormEgna.h"
#include "ui/catalogue/TFormFabrikant.h"
#include "ui/catalogue/TFormTab.h"
#include "ui/diabetes/TFormDagFarger.h"
#include "ui/diabetes/TFormDygn.h"
#include "ui/diabetes/TFormGlukos.h"
#include "ui/diabetes/TFormInsulin.h"
#include "ui/diabetes/TFormKolhkvot.h"
#include "ui/diabetes/TFormKolhydratrakning.h"
#include "ui/files/RecoveryAutosave.h"
#include "ui/files/RegistrationFiles.h"
#include "ui/files/TFormInfo.h"
#include "ui/files/TFormInfotext.h"
#include "ui/files/TFormTips.h"
#include "ui/mail/TFormMailAvancerat.h"
#include "ui/mail/TFormMailIndy.h"
#include "ui/norms/TFormAktiv.h"
#include "ui/norms/TFormAktskapa.h"
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
#include "ui/reports/TFormForsk2.h"
#include "ui/reports/TFormForskning.h"
#include "ui/reports/TFormLivsBehov.h"
#include "ui/reports/TFormStatistik.h"
#include "ui/reports/TFormUtskriftsval2.h"

#include <QApplication>

namespace vexamat {

WindowSet::WindowSet(AppState& state, Dialogs& dialogs) : m_state(state), m_dialogs(dialogs) {}

WindowSet::~WindowSet() {
    // Later windows may refer to earlier ones: destroy in reverse order of creation.
    while (!m_owned.empty())
        m_owned.pop_back();
}

template <typename W> void WindowSet::create(W*& slot) {
    auto window = std::make_unique<W>(m_state, m_windows, m_dialogs);
    slot = window.get();
    m_owned.push_back(std::move(window));
}

WindowSet::Result WindowSet::create() {
    auto loading = std::make_unique<TFormLadda>();
    if (!qEnvironmentVariableIsSet("VEXAMAT_NO_SPLASH")) {
        loading->show();
        loading->repaint();
        QApplication::processEvents();
    }
    create(m_windows.Form1);
    const TForm1::StartupResult startup = m_windows.Form1->FormCreate();
    if (startup == TForm1::StartupResult::Fatal)
        return Result::Fatal;
    create(m_windows.FormDygn);
    create(m_windows.FormFettStapel);
    create(m_windows.FormNorm);
    create(m_windows.formnvval);
    create(m_windows.FormTab);
    create(m_windows.FormAktskapa);
    create(m_windows.FormAktiv);
    create(m_windows.FormTips);
    create(m_windows.FormInfotext);
    create(m_windows.FormToppen);
    create(m_windows.FormInst);
    create(m_windows.FormFabrikant);
    create(m_windows.FormEgna);
    create(m_windows.FormEgenNorm);
    create(m_windows.FormHarris);
    create(m_windows.FormDabas);
    create(m_windows.Formsiffror);
    create(m_windows.FormInfo);
    create(m_windows.FormVisaNv);
    create(m_windows.FormHelp);
    create(m_windows.FormStatistik);
    create(m_windows.FormNvPerKg);
    create(m_windows.FormMailAvancerat);
    create(m_windows.FormUtskriftsval2);
    create(m_windows.FormEnergiCirkel);
    create(m_windows.FormNvPer100g);
    create(m_windows.FormLivsmedelsgrupper);
    create(m_windows.FormSalt);
    create(m_windows.FormPerson);
    create(m_windows.FormInsulin);
    create(m_windows.FormGlukos);
    create(m_windows.FormDagFarger);
    create(m_windows.FormVeckoAktiv);
    create(m_windows.FormKolhydratrakning);
    create(m_windows.FormKolhkvot);
    create(m_windows.FormKgKroppsvikt);
    create(m_windows.FormRecept);
    create(m_windows.FormReceptTab);
    create(m_windows.FormLivsBehov);
    create(m_windows.FormGramTotal);
    create(m_windows.FormForskning);
    create(m_windows.FormForsk2);
    create(m_windows.FormReceptTab2);
    create(m_windows.FormKetogen);
    create(m_windows.FormMailIndy);
    m_windows.Form1->buildRefreshList();
    if (startup == TForm1::StartupResult::Ok)
        m_windows.Form1->registrationFiles().recovery().offerRestore();
    return startup == TForm1::StartupResult::Ok ? Result::Ok : Result::Stopped;
}

} // namespace vexamat
