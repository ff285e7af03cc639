#include "ui/norms/NumberBox.h"

#include "ui/Dialogs.h"

#include <QHash>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>

#include <memory>

namespace vexamat {

NumberBox::NumberBox(QObject* owner, Dialogs& dialogs) : QObject(owner), m_dialogs(dialogs) {}

QString NumberBox::notANumber(const QString& text) {
    return QStringLiteral("\"%1\" är inget tal. Skriv ett tal, till exempel 12,5, eller lämna "
                          "rutan tom.")
        .arg(text.trimmed());
}

bool NumberBox::acceptable(const QString& text) {
    static const QRegularExpression partial(QStringLiteral(R"(^\s*[-+]?\d*([.,]\d*)?\s*$)"));
    return partial.match(text).hasMatch();
}

void NumberBox::guard(QLineEdit* edit, Dialogs& dialogs) {
    auto* box = new NumberBox(edit, dialogs);
    box->m_lastGood = acceptable(edit->text()) ? edit->text() : QString();
    connect(edit, &QLineEdit::textChanged, box, [box, edit](const QString& text) {
        if (box->m_restoring)
            return;
        if (acceptable(text)) {
            box->m_lastGood = text;
            return;
        }
        box->m_restoring = true;
        edit->setText(box->m_lastGood);
        box->m_restoring = false;
        box->m_dialogs.message(edit->window(), notANumber(text), Dialogs::Icon::Warning);
    });
}

void NumberBox::guard(QTableWidget* grid, Dialogs& dialogs) {
    auto* box = new NumberBox(grid, dialogs);
    // The last good text of each cell, kept as the cells change.
    auto lastGood = std::make_shared<QHash<QPair<int, int>, QString>>();
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c) {
            if (const QTableWidgetItem* item = grid->item(r, c); item && acceptable(item->text()))
                lastGood->insert({r, c}, item->text());
        }
    }
    connect(grid, &QTableWidget::itemChanged, box, [box, lastGood](QTableWidgetItem* item) {
        if (box->m_restoring || !(item->flags() & Qt::ItemIsEditable))
            return;
        const QPair<int, int> cell{item->row(), item->column()};
        const QString text = item->text();
        if (acceptable(text)) {
            lastGood->insert(cell, text);
            return;
        }
        box->m_restoring = true;
        item->setText(lastGood->value(cell));
        box->m_restoring = false;
        box->m_dialogs.message(item->tableWidget()->window(), notANumber(text),
                               Dialogs::Icon::Warning);
    });
}

} // namespace vexamat
