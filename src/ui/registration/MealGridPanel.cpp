#include "ui/registration/MealGridPanel.h"

#include "core/AppState.h"
#include "core/catalogue/DefaultUnitCopier.h"
#include "core/registration/FoodAdder.h"
#include "core/registration/FoodRowBuilder.h"
#include "core/registration/MealEditor.h"
#include "core/registration/MealGridText.h"
#include "core/registration/RegistrationSession.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/app/EventHook.h"
#include "ui/registration/MealGridDelegate.h"

#include <QBoxLayout>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>

namespace vexamat {

namespace {

// The text colours of the meal rows and of the meal buttons in the day view, in meal order.
const QColor kMealColours[9] = {
    QColor(QRgb(0x0000FF)), QColor(QRgb(0xFF0000)), QColor(QRgb(0x008000)),
    QColor(QRgb(0xFF00FF)), QColor(QRgb(0x800080)), QColor(QRgb(0x00FF00)),
    QColor(QRgb(0x808080)), QColor(QRgb(0x00FFFF)), QColor(QRgb(0x000000))};

// The widest texts each column must show whole: its heading and its largest value (a row
// holds at most 10 kg, so five digits of grams and of units).
const QStringList kColumnSamples[MealGridText::kColumns] = {
    {QStringLiteral("Livsmedel")},
    {QStringLiteral("Antal"), QStringLiteral("10000,0")},
    {QStringLiteral("Enhet"), QStringLiteral("Tablett"), QStringLiteral("portion")},
    {QStringLiteral("Gram"), QStringLiteral("10000")},
    {QStringLiteral("klockan"), QStringLiteral("00:00")},
};

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

QColor MealGridPanel::mealColour(int meal) {
    return kMealColours[meal % 9];
}

MealGridPanel::MealGridPanel(AppState& state, Dialogs& dialogs, MainWindowUpdates& updates,
                             QWidget* parent)
    : QWidget(parent), m_state(state), m_dialogs(dialogs), m_updates(updates) {
    setObjectName(QStringLiteral("MealGridPanel"));
    StringGridMaltid = named(new QTableWidget(Registration::kLastRow, MealGridText::kColumns, this),
                             "StringGridMaltid");
    StringGridMaltid->setHorizontalHeaderLabels(
        {QStringLiteral("Livsmedel"), QStringLiteral("Antal"), QStringLiteral("Enhet"),
         QStringLiteral("Gram"), QStringLiteral("klockan")});
    StringGridMaltid->verticalHeader()->hide();
    StringGridMaltid->horizontalHeader()->setHighlightSections(false);
    StringGridMaltid->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGridMaltid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int r = 0; r < StringGridMaltid->rowCount(); ++r) {
        for (int c = 0; c < MealGridText::kColumns; ++c)
            StringGridMaltid->setItem(r, c, new QTableWidgetItem);
    }
    fitColumns();

    Button4 = named(new QPushButton(QStringLiteral("Öka"), this), "Button4");
    Button5 = named(new QPushButton(QStringLiteral("Minska"), this), "Button5");
    Button6 = named(new QPushButton(QStringLiteral("Ta bort rad"), this), "Button6");
    ButtonInstruktioner =
        named(new QPushButton(QStringLiteral("Hur gör man?"), this), "ButtonInstruktioner");
    buttonflyttaenhet =
        named(new QPushButton(QStringLiteral("Flytta enhet"), this), "buttonflyttaenhet");
    buttonflyttaenhet->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(StringGridMaltid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button4);
    buttons->addWidget(Button5);
    buttons->addWidget(Button6);
    buttons->addWidget(buttonflyttaenhet);
    buttons->addStretch();
    buttons->addWidget(ButtonInstruktioner);
    layout->addLayout(buttons);

    // The unit list and the hint float over the grid, outside the layout.
    ListBoxVikter = named(new QListWidget(this), "ListBoxVikter");
    ListBoxVikter->setStyleSheet(QStringLiteral("background-color: #87CEEB;"));
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    ListBoxVikter->setFont(fixed);
    ListBoxVikter->hide();
    MemoHogerklick = named(new QPlainTextEdit(this), "MemoHogerklick");
    MemoHogerklick->setPlainText(QStringLiteral("Högerklick på livsmedlet visar olika enheter"));
    MemoHogerklick->setReadOnly(true);
    MemoHogerklick->hide();
    TimerHogerKlick = named(new QTimer(this), "TimerHogerKlick");
    TimerHogerKlick->setInterval(3000);
    TimerHogerKlick->setSingleShot(true);
    connect(TimerHogerKlick, &QTimer::timeout, MemoHogerklick, &QWidget::hide);
    TimerHogerKlick->start();

    installGridHooks();
    applyRowColours();
    connect(ListBoxVikter, &QListWidget::itemClicked, this, [this] { ListBoxVikterClick(); });
    connect(Button4, &QPushButton::clicked, this, &MealGridPanel::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &MealGridPanel::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &MealGridPanel::Button6Click);
    connect(buttonflyttaenhet, &QPushButton::clicked, this, &MealGridPanel::buttonflyttaenhetClick);
    connect(ButtonInstruktioner, &QPushButton::clicked, this,
            &MealGridPanel::instructionsRequested);
}

void MealGridPanel::fitColumns() {
    const QFontMetrics cells(StringGridMaltid->font());
    const QFontMetrics headings(StringGridMaltid->horizontalHeader()->font());
    // A cell's text has the item view's margins on both sides; a heading also the sort mark.
    const int cellMargin =
        2 * (StringGridMaltid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 4);
    const int headingMargin = 24;
    int fixedWidth = 0;
    for (int c = 1; c < MealGridText::kColumns; ++c) {
        int width = headings.horizontalAdvance(kColumnSamples[c].first()) + headingMargin;
        for (const QString& sample : kColumnSamples[c])
            width = std::max(width, cells.horizontalAdvance(sample) + cellMargin);
        StringGridMaltid->setColumnWidth(c, width);
        StringGridMaltid->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
        fixedWidth += width;
    }
    StringGridMaltid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    StringGridMaltid->verticalHeader()->setDefaultSectionSize(cells.height() + 4);
    const int nameWidth = cells.horizontalAdvance(QStringLiteral("Mjölk standard 3% fett")) + 16;
    StringGridMaltid->setMinimumWidth(fixedWidth + nameWidth +
                                      StringGridMaltid->verticalScrollBar()->sizeHint().width() +
                                      2 * StringGridMaltid->frameWidth());
}

void MealGridPanel::installGridHooks() {
    // Every cell edits; the registration only changes on Enter or an arrow key.
    StringGridMaltid->setEditTriggers(QAbstractItemView::DoubleClicked |
                                      QAbstractItemView::EditKeyPressed |
                                      QAbstractItemView::AnyKeyPressed);
    StringGridMaltid->setItemDelegate(
        new MealGridDelegate(StringGridMaltid, [this](QKeyEvent* key, const QString& text) {
            StringGridMaltidKeyPress(key, text, true);
        }));
    connect(StringGridMaltid, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { StringGridMaltidSelectCell(row, column); });
    EventHook::install(StringGridMaltid, [this](QObject*, QEvent* e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        const QTableWidgetItem* item = StringGridMaltid->currentItem();
        return StringGridMaltidKeyPress(static_cast<QKeyEvent*>(e), item ? item->text() : QString(),
                                        false);
    });
    StringGridMaltid->viewport()->setAcceptDrops(true);
    EventHook::install(StringGridMaltid->viewport(), [this](QObject*, QEvent* e) {
        switch (e->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(e);
            if (mouse->button() == Qt::RightButton) {
                StringGridMaltidMouseDown(mouse->position().toPoint());
                return true;
            }
            return false;
        }
        case QEvent::MouseButtonRelease:
            // After the press has moved the current cell, so that the views that follow the
            // current row show the row clicked, not the one before.
            if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
                StringGridMaltidClick();
            return false;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(e);
            const bool fromList = qobject_cast<QListView*>(drag->source()) ||
                                  qobject_cast<QTableWidget*>(drag->source()) ||
                                  drag->mimeData()->hasFormat(
                                      QStringLiteral("application/x-qabstractitemmodeldatalist"));
            if (fromList) {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(e);
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            StringGridMaltidDragDrop(drop->position().toPoint());
            return true;
        }
        default:
            return false;
        }
    });
}

void MealGridPanel::refresh(const AppState&) {
    RefreshMealGrid();
}

void MealGridPanel::RefreshMealGrid() {
    const Registration::Meal& meal =
        m_state.registration.meal(m_state.CurrentDay, m_state.CurrentMeal);
    QSignalBlocker block(StringGridMaltid);
    for (int r = 1; r <= Registration::kLastRow; ++r) {
        const MealGridText::Row cells = MealGridText::row(meal[r]);
        for (int c = 0; c < MealGridText::kColumns; ++c) {
            QTableWidgetItem* item = StringGridMaltid->item(tableRow(r), c);
            if (item->text() != cells[c])
                item->setText(cells[c]);
        }
    }
}

void MealGridPanel::applyRowColours() {
    for (int tr = 0; tr < StringGridMaltid->rowCount(); ++tr) {
        const QColor colour = m_state.ViewMode == 0 ? kMealColours[tr % 9] : QColor(Qt::black);
        for (int c = 0; c < StringGridMaltid->columnCount(); ++c)
            StringGridMaltid->item(tr, c)->setForeground(colour);
    }
}

void MealGridPanel::StringGridMaltidSelectCell(int tableRowIndex, int column) {
    if (tableRowIndex < 0 || column < 0)
        return;
    m_state.CurrentRow = gridRow(tableRowIndex);
    m_state.CurrentCol = column;
}

void MealGridPanel::StringGridMaltidClick() {
    ListBoxVikter->hide();
    m_updates.Recalculate();
}

bool MealGridPanel::commitCell(const QString& text, bool typed) {
    // Passing over a cell commits nothing: the cells show rounded amounts, and an empty time
    // would clear the times of every row below. A typed time is committed even when it reads
    // as before, so that it is carried down again.
    const QTableWidgetItem* shown =
        StringGridMaltid->item(tableRow(m_state.CurrentRow), m_state.CurrentCol);
    const bool sameText = shown && shown->text() == text;
    if (sameText && !(typed && m_state.CurrentCol == MealEditor::Klockan))
        return false;
    const RegistrationSession::CellResult result =
        RegistrationSession(m_state).setCell(m_state.CurrentRow, m_state.CurrentCol, text);
    switch (result.status) {
    case RegistrationSession::CellResult::Status::ReadOnly:
    case RegistrationSession::CellResult::Status::Refused:
        m_dialogs.message(this, result.message, Dialogs::Icon::Warning);
        RefreshMealGrid(); // the refused text gives way to the value that stays
        return false;
    case RegistrationSession::CellResult::Status::Changed:
        return true;
    default:
        return false;
    }
}

bool MealGridPanel::StringGridMaltidKeyPress(QKeyEvent* key, const QString& text, bool fromEditor) {
    if (MealGridDelegate::isSearchKey(key)) {
        // Typing a food name into the grid searches for it.
        Q_EMIT searchTyped(key->text());
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter on a cell that is not being edited commits it only when it is editable.
        if (fromEditor || m_state.CurrentCol != MealEditor::Livsmedel)
            commitCell(text, fromEditor);
        m_updates.Recalculate();
        StringGridMaltid->setCurrentCell(tableRow(m_state.CurrentRow), MealEditor::Klockan);
        Q_EMIT searchFocusWanted();
        return true;
    case Qt::Key_Escape:
        Q_EMIT searchFocusWanted();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // Moving commits only what was typed; it never complains about the column.
        if (!fromEditor)
            return false; // the grid moves its selection itself
        commitCell(text, true);
        m_updates.Recalculate();
        const int step = key->key() == Qt::Key_Up ? -1 : 1;
        const int target =
            qBound(0, tableRow(m_state.CurrentRow) + step, StringGridMaltid->rowCount() - 1);
        StringGridMaltid->setCurrentCell(target, m_state.CurrentCol);
        StringGridMaltid->setFocus();
        return true;
    }
    default:
        return false;
    }
}

void MealGridPanel::StringGridMaltidMouseDown(const QPoint& viewportPos) {
    ListBoxVikter->clear();
    const int tr = StringGridMaltid->rowAt(viewportPos.y());
    if (tr < 0) {
        ListBoxVikter->hide();
        return;
    }
    StringGridMaltid->setCurrentCell(tr, qMax(0, StringGridMaltid->currentColumn()));
    const MealRow& row =
        m_state.registration.row(m_state.CurrentDay, m_state.CurrentMeal, gridRow(tr));
    ListBoxVikter->addItems(MealEditor::unitLines(row));
    const QPoint at = StringGridMaltid->viewport()->mapTo(this, viewportPos);
    const QFontMetrics metrics(ListBoxVikter->font());
    int width = 0;
    for (int i = 0; i < ListBoxVikter->count(); ++i)
        width = std::max(width, metrics.horizontalAdvance(ListBoxVikter->item(i)->text()));
    width = std::min(width + 2 * ListBoxVikter->frameWidth() + 12, this->width());
    const int height = ListBoxVikter->count() * ListBoxVikter->sizeHintForRow(0) +
                       2 * ListBoxVikter->frameWidth() + 4;
    const int x = std::clamp(at.x(), 0, std::max(0, this->width() - width));
    ListBoxVikter->setGeometry(x, at.y() + 36, width, height);
    ListBoxVikter->show();
    ListBoxVikter->raise();
}

void MealGridPanel::ListBoxVikterClick() {
    const int i = ListBoxVikter->currentRow();
    const QString line = i >= 1 ? ListBoxVikter->item(i)->text() : QString();
    ListBoxVikter->hide();
    if (i < 1)
        return;
    // The waste line is only information.
    if (!RegistrationSession(m_state).applyUnitLine(m_state.CurrentRow, line))
        return;
    m_updates.Recalculate();
    StringGridMaltid->setCurrentCell(tableRow(m_state.CurrentRow), MealEditor::Antal);
    StringGridMaltid->setFocus();
}

void MealGridPanel::Button4Click() {
    if (RegistrationSession(m_state).increase(m_state.CurrentRow))
        m_updates.Recalculate();
    Q_EMIT searchFocusWanted();
}

void MealGridPanel::Button5Click() {
    switch (RegistrationSession(m_state).decrease(m_state.CurrentRow)) {
    case RegistrationSession::Decrease::Done:
        m_updates.Recalculate();
        break;
    case RegistrationSession::Decrease::WouldEmpty:
        if (m_dialogs.question(this, QStringLiteral("Vill du ta bort denna rad?")) ==
            Dialogs::Answer::Yes)
            DeleteRow(m_state.CurrentRow);
        break;
    case RegistrationSession::Decrease::NoRow:
        break;
    }
    Q_EMIT searchFocusWanted();
}

void MealGridPanel::Button6Click() {
    DeleteRow(m_state.CurrentRow);
}

void MealGridPanel::DeleteRow(int row) {
    if (RegistrationSession(m_state).deleteRow(row))
        m_updates.Recalculate();
    Q_EMIT searchFocusWanted();
}

void MealGridPanel::StringGridMaltidDragDrop(const QPoint& viewportPos) {
    const int tr = StringGridMaltid->rowAt(viewportPos.y());
    if (tr >= 0)
        Q_EMIT foodDropped(gridRow(tr));
}

void MealGridPanel::buttonflyttaenhetClick() {
    QString error;
    if (DefaultUnitCopier::copy(m_state.database, &error) < 0) {
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return;
    }
    m_dialogs.message(this, QStringLiteral("Klart"));
}

FoodAdder::Result MealGridPanel::AddFoodToMeal(const QString& name, const QString& companion,
                                               int row, bool insert, bool forDietSurvey) {
    const FoodAdder::Result result =
        RegistrationSession(m_state).addFood(name, companion, row, insert, forDietSurvey);
    if (result.showHint) {
        MemoHogerklick->setGeometry(width() / 2, StringGridMaltid->y() + 30,
                                    std::min(width() / 2, 240), 48);
        MemoHogerklick->show();
        MemoHogerklick->raise();
        TimerHogerKlick->start();
    }
    for (const QString& message : result.messages)
        m_dialogs.message(this, message);
    if (result.status == FoodAdder::Status::NoCode || result.status == FoodAdder::Status::MealFull)
        return result;
    if (result.status != FoodAdder::Status::Added) {
        m_updates.Recalculate(); // the pick lists did change
        return result;
    }
    StringGridMaltid->setCurrentCell(tableRow(result.row), MealEditor::Gram);
    m_updates.Recalculate();
    StringGridMaltid->setFocus();
    if (result.tabletHint)
        m_dialogs.message(this, FoodRowBuilder::kTabletHint);
    return result;
}

bool MealGridPanel::addByCode(const QString& text) {
    const FoodAdder::Result added = RegistrationSession(m_state).addByCode(text);
    if (added.status == FoodAdder::Status::MealFull) {
        m_dialogs.message(this, added.messages.join(QLatin1Char('\n')));
        return true;
    }
    if (added.status != FoodAdder::Status::Added)
        return false;
    StringGridMaltid->setCurrentCell(tableRow(added.row), MealEditor::Gram);
    m_updates.Recalculate();
    StringGridMaltid->setFocus();
    return true;
}

void MealGridPanel::addClockRow(const QString& text) {
    if (RegistrationSession(m_state).addClockRow(text) < 0) {
        m_dialogs.message(this, FoodAdder::kMealFullMessage);
        return;
    }
    m_updates.Recalculate();
}

void MealGridPanel::copyMeal() {
    m_state.CopiedMeal = m_state.registration.meal(m_state.CurrentDay, m_state.CurrentMeal);
    m_state.MealCopied = true;
    m_dialogs.message(
        this, QStringLiteral("Måltiden är nu lagrad och kan klistras in i en annan måltid."));
}

void MealGridPanel::pasteMeal() {
    if (!m_state.MealCopied) {
        m_dialogs.message(this, QStringLiteral("Ingen måltid finns att kopiera"));
        return;
    }
    const Registration::PasteResult result =
        RegistrationSession(m_state).pasteMeal(m_state.CopiedMeal);
    m_updates.Recalculate();
    if (result.dropped > 0)
        m_dialogs.message(
            this,
            QStringLiteral("Måltiden är full: %1 livsmedel fick inte plats och klistrades inte in.")
                .arg(result.dropped));
}

void MealGridPanel::undo() {
    if (RegistrationSession(m_state).undo()) {
        m_updates.Recalculate();
        StringGridMaltid->setCurrentCell(tableRow(m_state.CurrentRow),
                                         std::max(0, StringGridMaltid->currentColumn()));
    }
}

void MealGridPanel::redo() {
    if (RegistrationSession(m_state).redo()) {
        m_updates.Recalculate();
        StringGridMaltid->setCurrentCell(tableRow(m_state.CurrentRow),
                                         std::max(0, StringGridMaltid->currentColumn()));
    }
}

void MealGridPanel::selectTimeColumn() {
    m_state.CurrentCol = MealEditor::Klockan;
    if (StringGridMaltid->currentRow() >= 0)
        StringGridMaltid->setCurrentCell(StringGridMaltid->currentRow(), MealEditor::Klockan);
}

} // namespace vexamat
