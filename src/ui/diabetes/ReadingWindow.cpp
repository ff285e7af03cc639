#include "ui/diabetes/ReadingWindow.h"

#include "core/AppState.h"
#include "core/diabetes/ReadingTime.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/norms/NumberBox.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vexamat {

namespace {

bool isNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*[-+]?(\d+([.,]\d*)?|[.,]\d+)\s*$)"));
    return number.match(text).hasMatch();
}

} // namespace

ReadingWindow::ReadingWindow(AppState& state, Windows& windows, Dialogs& dialogs,
                             RegistrationSession::ReadingKind kind, const QString& valueTitle)
    : FormBase(state, windows, dialogs), m_kind(kind) {
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);

    StringGrid1 = new QTableWidget(kReadingRows, 2, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Klockan"), valueTitle});
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setColumnWidth(0, 70);
    StringGrid1->setColumnWidth(1, 100);
    for (int r = 0; r < kReadingRows; ++r) {
        for (int c = 0; c < 2; ++c)
            StringGrid1->setItem(r, c, new QTableWidgetItem);
    }
    connect(StringGrid1, &QTableWidget::itemChanged, this, &ReadingWindow::StringGrid1SetEditText);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StringGrid1);
    resize(200, 420);
}

void ReadingWindow::refresh(const AppState&) {
    if (!isVisible())
        return;
    loadDay();
}

void ReadingWindow::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    loadDay();
}

void ReadingWindow::loadDay() {
    if (!ReadingStore::isValidDay(m_state.CurrentDay))
        return;
    const ReadingStore& store = m_kind == RegistrationSession::ReadingKind::Glucose
                                    ? m_state.GlucoseStore
                                    : m_state.InsulinStore;
    m_loading = true;
    for (int r = 0; r < kReadingRows; ++r) {
        const Reading& reading = store.reading(m_state.CurrentDay, r + 1);
        if (StringGrid1->item(r, 0)->text() != reading.time)
            StringGrid1->item(r, 0)->setText(reading.time);
        if (StringGrid1->item(r, 1)->text() != reading.value)
            StringGrid1->item(r, 1)->setText(reading.value);
    }
    m_loading = false;
}

void ReadingWindow::StringGrid1SetEditText(QTableWidgetItem* item) {
    if (m_loading)
        return;
    const int row = item->row();
    const QString text = item->text();
    // A time that is not one would be drawn at midnight, and a value that is no number as 0:
    // both are refused and the cell gets back what the store holds.
    QString refusal;
    if (item->column() == 0 && !text.trimmed().isEmpty() && !IsReadingTime(text))
        refusal = NotAReadingTime(text);
    else if (item->column() == 1 && !text.trimmed().isEmpty() && !isNumber(text))
        refusal = NumberBox::notANumber(text);
    if (!refusal.isEmpty()) {
        loadDay();
        m_dialogs.message(this, refusal, Dialogs::Icon::Warning);
        return;
    }
    RegistrationSession session(m_state);
    const bool changed = session.setReading(m_kind, row + 1, StringGrid1->item(row, 0)->text(),
                                            StringGrid1->item(row, 1)->text());
    // The store keeps 8 characters; the grid shows what is kept.
    loadDay();
    if (changed && m_windows.updates)
        m_windows.updates->Recalculate();
}

} // namespace vexamat
