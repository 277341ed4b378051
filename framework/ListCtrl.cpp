#include "framework/ListCtrl.h"

#include "framework/View.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScrollBar>

namespace {

Qt::Alignment Alignment(int format)
{
    switch (format) {
    case LVCFMT_RIGHT: return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER: return Qt::AlignHCenter | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

// The model over a list's hooks: texts, alignment, background; nothing else is stored here.
class ListCtrlModel : public QAbstractTableModel
{
public:
    explicit ListCtrlModel(CListCtrl* list) : QAbstractTableModel(list), m_list(list) {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_list->RowCount();
    }

    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_list->GetColumnCount();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        switch (role) {
        case Qt::DisplayRole: return m_list->CellText(index.row(), index.column());
        case Qt::TextAlignmentRole: return QVariant::fromValue(Alignment(m_list->GetColumnFormat(index.column())));
        case Qt::BackgroundRole:
            if (const auto colour = m_list->RowBackground(index.row()))
                return *colour;
            break;
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section >= m_list->GetColumnCount())
            return {};
        if (role == Qt::DisplayRole)
            return m_list->GetColumnTitle(section);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Alignment(m_list->GetColumnFormat(section)));
        return {};
    }

    void BeginInsertRow(int row) { beginInsertRows({}, row, row); }
    void EndInsertRow() { endInsertRows(); }
    void BeginInsertColumn(int column) { beginInsertColumns({}, column, column); }
    void EndInsertColumn() { endInsertColumns(); }
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    void RowChanged(int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); }

private:
    CListCtrl* m_list;
};

CListCtrl::CListCtrl() : m_model(new ListCtrlModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
    viewport()->installEventFilter(this);
    SetListFont(font());
}

CListCtrl::~CListCtrl() = default;

void CListCtrl::Attach(QWidget* form, int controlId)
{
    setObjectName(QStringLiteral("control%1").arg(controlId));
    setParent(form);
    m_attached = true;
    PreSubclassWindow();
    show();
}

void CListCtrl::PreSubclassWindow()
{
}

void CListCtrl::ShowHorizontalScrollBar(bool show)
{
    setHorizontalScrollBarPolicy(show ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

bool CListCtrl::IsHorizontalScrollBarShown() const
{
    return horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
}

void CListCtrl::SetListFont(const QFont& font)
{
    setFont(font);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
}

int CListCtrl::GetStringWidth(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text);
}

int CListCtrl::InsertColumn(int column, const QString& title, int format, int width)
{
    column = std::clamp(column, 0, GetColumnCount());
    m_model->BeginInsertColumn(column);
    m_columns.insert(m_columns.begin() + column, Column{title, format});
    for (Row& row : m_rows)
        row.texts.insert(row.texts.begin() + column, QString());
    m_model->EndInsertColumn();
    if (width >= 0)
        SetColumnWidth(column, width);
    return column;
}

void CListCtrl::SetColumnWidth(int column, int width)
{
    horizontalHeader()->resizeSection(column, std::max(0, width));
}

int CListCtrl::GetColumnWidth(int column) const
{
    return horizontalHeader()->sectionSize(column);
}

QString CListCtrl::GetColumnTitle(int column) const
{
    return m_columns.at(column).title;
}

int CListCtrl::GetColumnFormat(int column) const
{
    return m_columns.at(column).format;
}

int CListCtrl::GetItemCount() const
{
    return RowCount();
}

int CListCtrl::InsertItem(int row, const QString& text)
{
    row = std::clamp(row, 0, static_cast<int>(m_rows.size()));
    m_model->BeginInsertRow(row);
    Row inserted;
    inserted.texts.resize(m_columns.size());
    if (!inserted.texts.empty())
        inserted.texts[0] = text;
    m_rows.insert(m_rows.begin() + row, std::move(inserted));
    m_model->EndInsertRow();
    return row;
}

bool CListCtrl::SetItemText(int row, int subItem, const QString& text)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()) || subItem < 0 || subItem >= GetColumnCount())
        return false;
    m_rows[row].texts[subItem] = text;
    m_model->RowChanged(row);
    return true;
}

QString CListCtrl::GetItemText(int row, int subItem) const
{
    return CellText(row, subItem);
}

bool CListCtrl::SetItemData(int row, qintptr data)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return false;
    m_rows[row].data = data;
    return true;
}

qintptr CListCtrl::GetItemData(int row) const
{
    return RowData(row);
}

void CListCtrl::DeleteAllItems()
{
    m_model->BeginReset();
    m_rows.clear();
    m_model->EndReset();
}

int CListCtrl::GetNextItem(int start, int flags) const
{
    if (!(flags & LVNI_SELECTED) || !selectionModel())
        return -1;
    int found = -1;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        if (index.row() > start && (found < 0 || index.row() < found))
            found = index.row();
    return found;
}

void CListCtrl::SelectItem(int row)
{
    if (row < 0 || row >= RowCount()) {
        clearSelection();
        return;
    }
    selectRow(row);
}

void CListCtrl::OnSize(int, int, int)
{
}

int CListCtrl::RowCount() const
{
    return static_cast<int>(m_rows.size());
}

QString CListCtrl::CellText(int row, int column) const
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()) || column < 0 || column >= GetColumnCount())
        return QString();
    return m_rows[row].texts[column];
}

qintptr CListCtrl::RowData(int row) const
{
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? m_rows[row].data : 0;
}

std::optional<QColor> CListCtrl::RowBackground(int) const
{
    return std::nullopt;
}

void CListCtrl::ResetRows()
{
    m_model->BeginReset();
    m_model->EndReset();
}

bool CListCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Resize) {
        const QSize size = static_cast<QResizeEvent*>(event)->size();
        OnSize(SIZE_RESTORED, size.width(), size.height());
    }
    return QTableView::eventFilter(watched, event);
}

void CListCtrl::mousePressEvent(QMouseEvent* event)
{
    if (!indexAt(event->position().toPoint()).isValid())
        clearSelection();
    QTableView::mousePressEvent(event);
}

void CListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (OnDblClk)
        OnDblClk();
}
