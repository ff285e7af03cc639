#pragma once

#include "ui/FormBase.h"

#include <atomic>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QThread;

namespace vexamat {

// "Maila beräkning till Vexamat/Kostrådgivare": sends a saved registration as an
// attachment. The transfer runs on its own thread so the window never freezes.
class TFormMailIndy : public FormBase {
    Q_OBJECT
public:
    TFormMailIndy(AppState& state, Windows& windows, Dialogs& dialogs);
    ~TFormMailIndy() override;

    void Button1Click();
    void ButtonMailClick();
    void ButtonAvanceratClick();
    // True while a mail is being sent.
    bool isSending() const { return m_sending != nullptr; }

    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* memo2 = nullptr;
    QLineEdit* EditMailAdress = nullptr;
    QLineEdit* EditAvsandare = nullptr;
    QLineEdit* Editavsandaremailadress = nullptr;
    QPushButton* Button1 = nullptr;
    QLineEdit* EditFilnamn = nullptr;
    QPushButton* ButtonMail = nullptr;
    QPushButton* ButtonAvancerat = nullptr;
    QPushButton* ButtonAvbryt = nullptr; // shown while sending
    QPlainTextEdit* Memo3 = nullptr;
    QPlainTextEdit* MemoTemp = nullptr;

Q_SIGNALS:
    // Emitted when a send has ended, after its message was shown.
    void sendFinished(bool sent);

private:
    QThread* m_sending = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancel;
};

} // namespace vexamat
