#pragma once

#include "framework/FrameWnd.h"

// The four parameters under which a kind of frame keeps its outer window rectangle.
struct PlacementKeys
{
    const char* left;
    const char* top;
    const char* width;
    const char* height;
};

inline constexpr PlacementKeys MainWindowKeys{"MainWinX", "MainWinY", "MainWinCX", "MainWinCY"};
inline constexpr PlacementKeys SessionWindowKeys{"SessionWinX", "SessionWinY", "SessionWinCX", "SessionWinCY"};

// A frame that opens where its kind of frame was last put: the stored placement replaces the
// proposed one value by value, every move stores the position unless the window is minimised
// or maximised, and every resize in the normal state stores the outer size.
class CPlacedFrame : public CFrameWndEx
{
public:
    explicit CPlacedFrame(const PlacementKeys& keys) : m_keys(keys) {}

    bool PreCreateWindow(CREATESTRUCT& cs) override;
    void OnMove(int x, int y) override;
    void OnSize(int sizeType, int cx, int cy) override;

private:
    const PlacementKeys& m_keys;
};
