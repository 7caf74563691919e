// Board accessible: the board as a screen reader reads it, a table of one cell per tile.
#include "boardaccessible.h"

#include "boardview.h"
#include "gameflow.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <map>

namespace {
class BoardTable;

// One cell of the board, named by the tile it shows and where that tile belongs.
class TileCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
    Q_DECLARE_TR_FUNCTIONS(BoardAccessible)

public:
    TileCell(BoardView* view, int index)
        : view_(view)
        , index_(index)
    {}

    bool isValid() const override
    {
        return view_ != nullptr && index_ < view_->round().board.cellCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return view_ != nullptr ? view_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(view_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        const Round& round = view_->round();
        const int tile = shownTile();
        const bool home = tile == round.board.homeNumber(cell());
        if (kind == QAccessible::Description)
            return home ? tr("In place") : QString();
        if (kind != QAccessible::Name)
            return {};
        if (tile == Board::Hole)
            return tr("Empty cell");
        const Cell belongs = round.board.homeCell(tile);
        return tr("Tile %1, belongs in row %2, column %3")
            .arg(tile + 1)
            .arg(belongs.row + 1)
            .arg(belongs.col + 1);
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QSize tile = view_->tileSize();
        const QPoint at(cell().col * tile.width(), cell().row * tile.height());
        return {view_->mapToGlobal(at), tile};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.focusable = true;
        state.selectable = view_->round().board.mode() == PuzzleMode::TileSwap;
        state.selected = isSelected();
        state.focused = view_->hasFocus() && view_->focusCell() == cell();
        return state;
    }

    bool isSelected() const override { return isValid() && view_->round().selected == cell(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return isValid() ? cell().col : -1; }
    int rowIndex() const override { return isValid() ? cell().row : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    Cell cell() const
    {
        const int n = view_->round().board.dimension();
        return {index_ % n, index_ / n};
    }
    // A finished slider shows its last tile in the hole.
    int shownTile() const
    {
        const Round& round = view_->round();
        const int tile = round.board.at(cell());
        return tile == Board::Hole && round.finished() ? round.board.homeNumber(cell()) : tile;
    }

    QPointer<BoardView> view_;
    int index_;
};

// The board: a table of N x N cells in reading order. Its cells are made once each and kept
// until the board goes.
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(BoardView* view)
        : QAccessibleWidget(view, QAccessible::Table)
    {}
    ~BoardTable() override
    {
        for (const auto& [index, id] : cells_)
            QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return view().round().board.cellCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        const auto found = cells_.find(index);
        if (found != cells_.end())
            return QAccessible::accessibleInterface(found->second);
        auto* cell = new TileCell(&view(), index);
        cells_.emplace(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [index, id] : cells_)
            if (QAccessible::accessibleInterface(id) == child)
                return index < childCount() ? index : -1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QSize tile = view().tileSize();
        const QPoint at = view().mapFromGlobal(QPoint(x, y));
        if (tile.isEmpty() || !view().rect().contains(at))
            return nullptr;
        return cellAt(at.y() / tile.height(), at.x() / tile.width());
    }
    QAccessibleInterface* focusChild() const override
    {
        const std::optional<Cell> focus = view().focusCell();
        return focus ? cellAt(focus->row, focus->col) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        const int n = rowCount();
        if (row < 0 || column < 0 || row >= n || column >= n)
            return nullptr;
        return child(row * n + column);
    }
    int columnCount() const override { return rowCount(); }
    int rowCount() const override { return view().round().board.dimension(); }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return view().round().selected ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        const std::optional<Cell> selected = view().round().selected;
        if (!selected)
            return {};
        return {cellAt(selected->row, selected->col)};
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    BoardView& view() const { return *static_cast<BoardView*>(widget()); }

    mutable std::map<int, QAccessible::Id> cells_;
};

QAccessibleInterface* cellOf(BoardView& view, Cell cell)
{
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&view);
    QAccessibleTableInterface* table = board != nullptr ? board->tableInterface() : nullptr;
    return table != nullptr ? table->cellAt(cell.row, cell.col) : nullptr;
}

void announce(QAccessibleInterface* cell, QAccessible::Event type)
{
    if (cell == nullptr)
        return;
    QAccessibleEvent event(cell, type);
    QAccessible::updateAccessibility(&event);
}

void announceState(QAccessibleInterface* cell, void (*set)(QAccessible::State&))
{
    if (cell == nullptr)
        return;
    QAccessible::State changed;
    set(changed);
    QAccessibleStateChangeEvent event(cell, changed);
    QAccessible::updateAccessibility(&event);
}
} // namespace

QAccessibleInterface* boardAccessible(BoardView* view)
{
    return new BoardTable(view);
}

void announceMove(BoardView& view, const Board& before, std::optional<Cell> selectedBefore)
{
    const Round& round = view.round();
    const Board& board = round.board;
    if (!QAccessible::isActive() || board.dimension() != before.dimension())
        return; // nobody listens, or a new board altogether, read afresh
    for (int index = 0; index < board.cellCount(); ++index) {
        const Cell cell = board.homeCell(index);
        if (board.at(cell) != before.at(cell))
            announce(cellOf(view, cell), QAccessible::NameChanged);
    }
    if (round.selected == selectedBefore)
        return;
    for (const std::optional<Cell> cell : {selectedBefore, round.selected})
        if (cell)
            announceState(cellOf(view, *cell),
                          [](QAccessible::State& state) { state.selected = true; });
}

void announceFocus(BoardView& view)
{
    if (QAccessible::isActive() && view.focusCell() && view.hasFocus())
        announce(cellOf(view, *view.focusCell()), QAccessible::Focus);
}
