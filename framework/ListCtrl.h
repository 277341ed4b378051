#pragma once

#include <QColor>
#include <QString>
#include <QTableView>

#include <functional>
#include <optional>
#include <vector>

class ListCtrlModel;

enum ColumnFormat { LVCFMT_LEFT = 0, LVCFMT_RIGHT = 1, LVCFMT_CENTER = 2 };
constexpr int LVNI_SELECTED = 2;

// A report list: columns, rows with texts and item data, one selected row at most that stays
// visible without focus, grid lines and full-row selection. A derived list may supply its rows
// itself (a virtual list) and hooks for a row's background and a cell's tooltip.
class CListCtrl : public QTableView
{
public:
    CListCtrl();
    ~CListCtrl() override;

    // Attaches the control to its form; the first attachment runs PreSubclassWindow.
    void Attach(QWidget* form, int controlId);
    bool IsAttached() const { return m_attached; }
    virtual void PreSubclassWindow();

    void ShowHorizontalScrollBar(bool show);
    bool IsHorizontalScrollBarShown() const;
    void SetListFont(const QFont& font);
    int GetStringWidth(const QString& text) const;

    int InsertColumn(int column, const QString& title, int format, int width = -1);
    void SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    QString GetColumnTitle(int column) const;
    int GetColumnFormat(int column) const;

    int GetItemCount() const;
    int InsertItem(int row, const QString& text);
    bool SetItemText(int row, int subItem, const QString& text);
    QString GetItemText(int row, int subItem) const;
    bool SetItemData(int row, qintptr data);
    qintptr GetItemData(int row) const;
    void DeleteAllItems();
    // The first row after start (-1: from the top) that has the state; -1 when none.
    int GetNextItem(int start, int flags) const;
    void SelectItem(int row);

    // The client width and height that OnSize is given.
    virtual void OnSize(int sizeType, int cx, int cy);
    // Called on a double-click, after the click has set or cleared the selection.
    std::function<void()> OnDblClk;

    // Hooks the model asks; the default answers come from the stored rows.
    virtual int RowCount() const;
    virtual QString CellText(int row, int column) const;
    virtual qintptr RowData(int row) const;
    virtual std::optional<QColor> RowBackground(int row) const;

protected:
    // Tells the view that a virtual list's rows changed.
    void ResetRows();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Column
    {
        QString title;
        int format = LVCFMT_LEFT;
    };
    struct Row
    {
        std::vector<QString> texts;
        qintptr data = 0;
    };

    friend class ListCtrlModel;

    ListCtrlModel* m_model;
    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    bool m_attached = false;
};
