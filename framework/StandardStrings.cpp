#include "framework/StandardStrings.h"

#include "framework/Resources.h"
#include "framework/StatusBar.h"
#include "framework/WinApp.h"

void AddStandardStrings(ResourceTable& table)
{
    table.AddString(ID_FILE_OPEN, QStringLiteral("Open an existing document\nOpen"));
    table.AddString(ID_FILE_SAVE, QStringLiteral("Save the active document\nSave"));
    table.AddString(ID_FILE_PRINT, QStringLiteral("Print the active document\nPrint"));
    table.AddString(ID_FILE_PRINT_PREVIEW, QStringLiteral("Display full pages\nPrint Preview"));
    table.AddString(ID_FILE_PRINT_SETUP, QStringLiteral("Change the printer and printing options\nPrint Setup"));
    table.AddString(ID_EDIT_COPY, QStringLiteral("Copy the selection and put it on the Clipboard\nCopy"));
    table.AddString(ID_EDIT_CUT, QStringLiteral("Cut the selection and put it on the Clipboard\nCut"));
    table.AddString(ID_EDIT_PASTE, QStringLiteral("Insert Clipboard contents\nPaste"));
    table.AddString(ID_EDIT_UNDO, QStringLiteral("Undo the last action\nUndo"));
    table.AddString(ID_APP_ABOUT, QStringLiteral("Display program information, version number and copyright\nAbout"));
    table.AddString(ID_APP_EXIT, QStringLiteral("Quit the application; prompts to save documents\nExit"));
    table.AddString(ID_NEXT_PANE, QStringLiteral("Switch to the next window pane\nNext Pane"));
    table.AddString(ID_PREV_PANE, QStringLiteral("Switch back to the previous window pane\nPrevious Pane"));
    table.AddString(ID_VIEW_TOOLBAR, QStringLiteral("Show or hide the toolbar\nToggle ToolBar"));
    table.AddString(ID_VIEW_STATUS_BAR, QStringLiteral("Show or hide the status bar\nToggle Status Bar"));
    for (int i = 0; i < 16; ++i)
        table.AddString(ID_FILE_MRU_FILE1 + i, QStringLiteral("Open this document"));
    table.AddString(ID_INDICATOR_CAPS, QStringLiteral("CAP"));
    table.AddString(ID_INDICATOR_NUM, QStringLiteral("NUM"));
    table.AddString(ID_INDICATOR_SCRL, QStringLiteral("SCRL"));
    table.AddString(57345, QStringLiteral("Ready"));
}
