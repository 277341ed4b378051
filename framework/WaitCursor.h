#pragma once

// The application-wide wait cursor; nested begins need as many ends.
namespace WaitCursor {

void Begin();
void End();
int Depth();

} // namespace WaitCursor

// Shows the wait cursor for the life of the object.
class CWaitCursor
{
public:
    CWaitCursor() { WaitCursor::Begin(); }
    ~CWaitCursor() { WaitCursor::End(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
