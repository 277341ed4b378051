#include "windows/SessionDoc.h"

#include "app/Resource.h"
#include "framework/UserInteraction.h"
#include "framework/WaitCursor.h"
#include "recording/Messages.h"
#include "recording/SessionSamples.h"
#include "recording/SummaryBuilder.h"

CSessionDoc::CSessionDoc()
{
    OnCommand(ID_SESSION_FILTER, [this] { OnFilter(); });
    OnUpdateCommand(ID_SESSION_FILTER, [this](CCmdUI& ui) { OnUpdateFilter(ui); });
}

bool CSessionDoc::SetSession(CFileMgr* fileMgr, const SessionPtr& session)
{
    m_pFileMgr = fileMgr;
    m_session = session;
    bool complete = false;
    {
        CWaitCursor wait;
        complete = ReadSessionSamples(*m_pFileMgr, *m_session, m_samples);
        if (complete)
            UpdateAllViews(nullptr);
    }
    if (!complete) {
        m_samples.clear();
        AfxMessageBox(QString::fromStdString(Messages::WithPath(Messages::ErrorReading, m_pFileMgr->Path)),
                      MessageIcon::Exclamation);
    }
    return complete;
}

CSessionDoc::SampleIterator CSessionDoc::SamplesBegin() const
{
    return CurrentList().begin();
}

CSessionDoc::SampleIterator CSessionDoc::SamplesEnd() const
{
    return CurrentList().end();
}

void CSessionDoc::OnFilter()
{
    m_filtered = !m_filtered;
    m_summaries.clear();
    if (m_filtered) {
        CWaitCursor wait;
        m_summaries = BuildSummaries(m_samples);
    }
    UpdateAllViews(nullptr);
}

void CSessionDoc::OnUpdateFilter(CCmdUI& ui) const
{
    ui.Enable(true);
    ui.SetCheck(m_filtered);
}
