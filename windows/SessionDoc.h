#pragma once

#include "framework/Document.h"
#include "recording/FileMgr.h"
#include "recording/Session.h"

#include <vector>

// The document of a session window: the session's samples and, while Filter is on, the
// summaries of its runs of unchanged cell masks.
class CSessionDoc : public CDocument
{
public:
    using SampleIterator = std::vector<SamplePtr>::const_iterator;

    CSessionDoc();

    // Reads the session's samples through the recording file. False, after telling the user,
    // when a record cannot be read whole; the document then holds no samples.
    bool SetSession(CFileMgr* fileMgr, const SessionPtr& session);
    SessionPtr GetSession() const { return m_session; }

    SampleIterator SamplesBegin() const;
    SampleIterator SamplesEnd() const;
    bool IsFiltered() const { return m_filtered; }

    void OnFilter();
    void OnUpdateFilter(CCmdUI& ui) const;

    CFileMgr* m_pFileMgr = nullptr;
    SessionPtr m_session;
    std::vector<SamplePtr> m_samples;
    bool m_filtered = false;
    std::vector<SamplePtr> m_summaries;

private:
    const std::vector<SamplePtr>& CurrentList() const { return m_filtered ? m_summaries : m_samples; }
};
