#pragma once

#include "framework/ListCtrl.h"
#include "recording/Session.h"

#include <locale>
#include <string>
#include <vector>

// The main window's list of sessions: start, end and sample count of each.
class CSessionListCtrl : public CListCtrl
{
public:
    void PreSubclassWindow() override;
    void OnSize(int sizeType, int cx, int cy) override;

    // Appends a row for the session and returns its index. Item data is the session's
    // position among all sessions this list was ever given.
    int AddSession(const SessionPtr& session);
    // The session of the selected row; null when no row is selected.
    SessionPtr GetSelectedSession() const;

private:
    std::vector<SessionPtr> m_sessions;
};

// The user's locale, or the classic one when the environment names one that is unusable.
std::locale UserLocale();
// A sample count grouped as the locale says.
std::string CountText(std::int32_t count, const std::locale& locale);
