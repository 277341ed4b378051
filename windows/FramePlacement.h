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

// Replaces the proposed placement by the stored one, value by value.
void ApplyStoredPlacement(CREATESTRUCT& cs, const PlacementKeys& keys);
// Stores the window's position unless it is minimised or maximised.
void StorePosition(const CFrameWndEx& frame, const PlacementKeys& keys);
// Stores the window's outer size when it was resized in its normal state.
void StoreSize(const CFrameWndEx& frame, int sizeType, const PlacementKeys& keys);
