#pragma once

namespace vexamat {

class MainWindowUpdates;
class TFormLadda;
class TForm1;
class TFormDygn;
class TFormFettStapel;
class TFormNorm;
class Tformnvval;
class TFormTab;
class TFormAktskapa;
class TFormAktiv;
class TFormTips;
class TFormInfotext;
class TFormToppen;
class TFormInst;
class TFormFabrikant;
class TFormEgna;
class TFormEgenNorm;
class TFormHarris;
class TFormDabas;
class TFormsiffror;
class TFormInfo;
class TFormVisaNv;
class TFormHelp;
class TFormStatistik;
class TFormNvPerKg;
class TFormMailAvancerat;
class TFormUtskriftsval2;
class TFormEnergiCirkel;
class TFormNvPer100g;
class TFormLivsmedelsgrupper;
class TFormSalt;
class TFormPerson;
class TFormInsulin;
class TFormGlukos;
class TFormDagFarger;
class TFormVeckoAktiv;
class TFormKolhydratrakning;
class TFormKolhkvot;
class TFormKgKroppsvikt;
class TFormRecept;
class TFormReceptTab;
class TFormLivsBehov;
class TFormGramTotal;
class TFormForskning;
class TFormForsk2;
class TFormReceptTab2;
class TFormKetogen;
class TFormMailIndy;

// Every window of the program, created once at start-up in this order and alive for the
// whole run. Owned by WindowSet.
struct Windows {
    // What the other windows may ask of the main window; they never drive Form1 itself.
    MainWindowUpdates* updates = nullptr;
    TForm1* Form1 = nullptr;
    TFormDygn* FormDygn = nullptr;
    TFormFettStapel* FormFettStapel = nullptr;
    TFormNorm* FormNorm = nullptr;
    Tformnvval* formnvval = nullptr;
    TFormTab* FormTab = nullptr;
    TFormAktskapa* FormAktskapa = nullptr;
    TFormAktiv* FormAktiv = nullptr;
    TFormTips* FormTips = nullptr;
    TFormInfotext* FormInfotext = nullptr;
    TFormToppen* FormToppen = nullptr;
    TFormInst* FormInst = nullptr;
    TFormFabrikant* FormFabrikant = nullptr;
    TFormEgna* FormEgna = nullptr;
    TFormEgenNorm* FormEgenNorm = nullptr;
    TFormHarris* FormHarris = nullptr;
    TFormDabas* FormDabas = nullptr;
    TFormsiffror* Formsiffror = nullptr;
    TFormInfo* FormInfo = nullptr;
    TFormVisaNv* FormVisaNv = nullptr;
    TFormHelp* FormHelp = nullptr;
    TFormStatistik* FormStatistik = nullptr;
    TFormNvPerKg* FormNvPerKg = nullptr;
    TFormMailAvancerat* FormMailAvancerat = nullptr;
    TFormUtskriftsval2* FormUtskriftsval2 = nullptr;
    TFormEnergiCirkel* FormEnergiCirkel = nullptr;
    TFormNvPer100g* FormNvPer100g = nullptr;
    TFormLivsmedelsgrupper* FormLivsmedelsgrupper = nullptr;
    TFormSalt* FormSalt = nullptr;
    TFormPerson* FormPerson = nullptr;
    TFormInsulin* FormInsulin = nullptr;
    TFormGlukos* FormGlukos = nullptr;
    TFormDagFarger* FormDagFarger = nullptr;
    TFormVeckoAktiv* FormVeckoAktiv = nullptr;
    TFormKolhydratrakning* FormKolhydratrakning = nullptr;
    TFormKolhkvot* FormKolhkvot = nullptr;
    TFormKgKroppsvikt* FormKgKroppsvikt = nullptr;
    TFormRecept* FormRecept = nullptr;
    TFormReceptTab* FormReceptTab = nullptr;
    TFormLivsBehov* FormLivsBehov = nullptr;
    TFormGramTotal* FormGramTotal = nullptr;
    TFormForskning* FormForskning = nullptr;
    TFormForsk2* FormForsk2 = nullptr;
    TFormReceptTab2* FormReceptTab2 = nullptr;
    TFormKetogen* FormKetogen = nullptr;
    TFormMailIndy* FormMailIndy = nullptr;
};

} // namespace vexamat
