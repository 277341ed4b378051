#pragma once

#include "framework/View.h"
#include "lists/SampleListCtrl.h"

class CCmdUI;
class CSessionChartPane;
class CSessionDoc;

// The session window's view: the sample list, fitted to its columns.
class CSessionView : public CFormView
{
public:
    CSessionView();

    CSessionDoc* GetDocument() const;

    void DoDataExchange(CDataExchange* exchange) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, long hint, void* hintObject) override;
    void OnSize(int sizeType, int cx, int cy) override;

    // Makes the frame's client area exactly as wide as the list's columns need.
    void FitFrameToList();
    // Writes the listed samples to a CSV file that the user names.
    void OnExport();
    // Shows or hides the chart pane below the list; checked while it is shown.
    void OnChart();
    void OnUpdateChart(CCmdUI& ui) const;

    CSampleListCtrl m_sampleList;
    // Made on first use; the frame owns it.
    CSessionChartPane* m_chartPane = nullptr;

private:
    bool IsChartShown() const;
};
