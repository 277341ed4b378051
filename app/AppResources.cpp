#include "app/AppResources.h"

#include "app/Resource.h"
#include "framework/Resources.h"
#include "framework/StandardStrings.h"
#include "framework/WinApp.h"

namespace {

std::vector<MenuItem> MainMenu()
{
    return {
        MenuItem::Popup(QStringLiteral("&File"), {
            MenuItem::Command(ID_FILE_OPEN, QStringLiteral("&Open...\tCtrl+O")),
            MenuItem::Separator(),
            MenuItem::Command(ID_FILE_PRINT, QStringLiteral("&Print...\tCtrl+P")),
            MenuItem::Command(ID_FILE_PRINT_PREVIEW, QStringLiteral("Print Pre&view")),
            MenuItem::Command(ID_FILE_PRINT_SETUP, QStringLiteral("P&rint Setup...")),
            MenuItem::Separator(),
            MenuItem::RecentFiles(ID_FILE_MRU_FILE1, QStringLiteral("Recent File")),
            MenuItem::Separator(),
            MenuItem::Command(ID_APP_EXIT, QStringLiteral("E&xit")),
        }),
        MenuItem::Popup(QStringLiteral("Sessions"), {
            MenuItem::Command(ID_SESSIONS_EXPAND, QStringLiteral("Expand Session")),
            MenuItem::Command(ID_SESSIONS_EXTRACT, QStringLiteral("Extract Session Data")),
        }),
        MenuItem::Popup(QStringLiteral("View"), {
            MenuItem::Command(ID_VIEW_TOOLBAR, QStringLiteral("Toolbar")),
            MenuItem::Command(ID_VIEW_STATUS_BAR, QStringLiteral("Status Bar")),
        }),
        MenuItem::Popup(QStringLiteral("&Help"), {
            MenuItem::Command(ID_APP_ABOUT, QStringLiteral("&About Kovelo...")),
        }),
    };
}

std::vector<MenuItem> SessionMenu()
{
    return {
        MenuItem::Command(ID_SESSION_EXPORT, QStringLiteral("Export")),
        MenuItem::Command(ID_SESSION_FILTER, QStringLiteral("Filter")),
        MenuItem::Command(ID_SESSION_CHART, QStringLiteral("Chart")),
    };
}

std::vector<MenuItem> EditPopup()
{
    return {MenuItem::Popup(QStringLiteral("Edit"), {MenuItem::Command(ID_EDIT_COPY, QStringLiteral("&Copy\tCtrl+C"))})};
}

std::vector<Accelerator> MainAccelerators()
{
    return {
        {QKeySequence(Qt::CTRL | Qt::Key_O), ID_FILE_OPEN},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ID_FILE_PRINT},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
        {QKeySequence(Qt::CTRL | Qt::Key_C), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_X), ID_EDIT_CUT},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_V), ID_EDIT_PASTE},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), ID_EDIT_PASTE},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), ID_EDIT_UNDO},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), ID_EDIT_UNDO},
        {QKeySequence(Qt::Key_F6), ID_NEXT_PANE},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), ID_PREV_PANE},
    };
}

std::vector<ToolbarButton> MainToolbar()
{
    return {
        {ID_FILE_OPEN, QStringLiteral(":/icons/open.svg")},
        {0, {}},
        {ID_EDIT_COPY, QStringLiteral(":/icons/copy.svg")},
        {0, {}},
        {ID_FILE_PRINT, QStringLiteral(":/icons/print.svg")},
        {ID_APP_ABOUT, QStringLiteral(":/icons/about.svg")},
    };
}

void AddStrings(ResourceTable& table)
{
    table.AddString(IDR_MAINFRAME, QStringLiteral("Kovelo\n\nKovelo\nKovelo Files (*.kvd)\n.kvd\nKovelo.Document\nKovelo.Document"));
    table.AddString(AFX_IDS_APP_TITLE, QStringLiteral("Kovelo"));
    table.AddString(AFX_IDS_IDLEMESSAGE, QStringLiteral("Ready"));
    table.AddString(IDS_TOOLBAR_STANDARD, QStringLiteral("Standard"));
    table.AddString(ID_SESSIONS_EXPAND, QStringLiteral("Open the selected session"));
    table.AddString(ID_SESSION_EXPORT, QStringLiteral("Export data to csv file"));
    table.AddString(ID_SESSION_FILTER, QStringLiteral("Filter duplicate bypass configurations"));
    table.AddString(ID_SESSIONS_EXTRACT, QStringLiteral("Extract session data to new .kvd file"));
    table.AddString(ID_SESSION_CHART, QStringLiteral("Show the session as a chart"));
}

} // namespace

void AddKoveloResources(ResourceTable& table)
{
    AddStandardStrings(table);
    AddStrings(table);
    table.AddMenu(IDR_MAINFRAME, MainMenu());
    table.AddMenu(IDR_SESSIONFRAME, SessionMenu());
    table.AddMenu(IDR_POPUP_EDIT, EditPopup());
    table.AddAccelerators(IDR_MAINFRAME, MainAccelerators());
    table.AddToolbar(IDR_MAINFRAME, MainToolbar());
    table.AddIcon(IDR_MAINFRAME, QStringLiteral(":/icons/kovelo.svg"));
    table.AddIcon(IDR_SESSIONFRAME, QStringLiteral(":/icons/session.svg"));
}
