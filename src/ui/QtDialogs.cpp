#include "ui/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vexamat {

namespace {
QString caption() {
    return QApplication::applicationDisplayName();
}
} // namespace

void QtDialogs::message(QWidget* parent, const QString& text, Icon icon) {
    switch (icon) {
    case Icon::Information:
        QMessageBox::information(parent, caption(), text);
        break;
    case Icon::Warning:
        QMessageBox::warning(parent, caption(), text);
        break;
    case Icon::Error:
        QMessageBox::critical(parent, caption(), text);
        break;
    }
}

Dialogs::Answer QtDialogs::question(QWidget* parent, const QString& text, Buttons buttons) {
    QMessageBox::StandardButtons standard = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        standard |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Information, caption(), text, standard, parent);
    // The described button texts, whichever translation of Qt's standard buttons is loaded.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nej"));
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("Avbryt"));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
}

std::optional<QString> QtDialogs::inputText(QWidget* parent, const QString& caption,
                                            const QString& prompt, const QString& initial,
                                            bool password) {
    bool ok = false;
    const QString text = QInputDialog::getText(
        parent, caption, prompt, password ? QLineEdit::Password : QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtDialogs::openFileName(QWidget* parent, const QString& title, const QString& dir,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, dir, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& title, const QString& dir,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, dir, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

} // namespace vexamat
