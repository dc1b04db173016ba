// How a skinned window paints its background picture, and the erase handler that keeps the skinned
// windows and controls from flickering.
#pragma once

#include "ui/gdiplus_api.h"

// Draws the whole picture with its top-left corner at (0, 0) at its natural size, never scaled; the
// DC's clipping cuts off what lies beyond the window. Nothing without a picture.
void DrawBackground(HDC hDC, Gdiplus::Bitmap* picture);

// The WM_PAINT of a skinned window: BeginPaint, DrawBackground, EndPaint.
void PaintBackground(HWND hWnd, Gdiplus::Bitmap* picture);

// The shared WM_ERASEBKGND answer: reports the background as erased (TRUE) and draws nothing, so the
// window paints everything itself without an erase before it.
BOOL SkipBackgroundErase(HDC hDC);
