// RAII for GDI: owned objects, selected objects, device contexts; and the
// handle of an open file.
#pragma once

#include <windows.h>

#include <utility>

// Owns one GDI object (pen, brush, font, bitmap, region) and deletes it.
template <typename H>
class UniqueGdi {
public:
    UniqueGdi() = default;
    explicit UniqueGdi(H handle) : FHandle(handle) {}
    UniqueGdi(const UniqueGdi&) = delete;
    UniqueGdi& operator=(const UniqueGdi&) = delete;
    UniqueGdi(UniqueGdi&& other) noexcept : FHandle(other.Release()) {}
    UniqueGdi& operator=(UniqueGdi&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~UniqueGdi() { Reset(); }

    H Get() const { return FHandle; }
    H Release() { return std::exchange(FHandle, nullptr); }
    void Reset(H handle = nullptr)
    {
        if (FHandle)
            DeleteObject(FHandle);
        FHandle = handle;
    }
    explicit operator bool() const { return FHandle != nullptr; }

private:
    H FHandle = nullptr;
};

using UniquePen = UniqueGdi<HPEN>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueRegion = UniqueGdi<HRGN>;

// A solid brush kept for as long as its colour stays the same.
class CachedBrush {
public:
    HBRUSH For(COLORREF color)
    {
        if (!FBrush || color != FColor) {
            FBrush.Reset(CreateSolidBrush(color));
            FColor = color;
        }
        return FBrush.Get();
    }

private:
    UniqueBrush FBrush;
    COLORREF FColor = CLR_INVALID;
};

// Selects an object into a DC and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : FDC(dc), FOld(object ? SelectObject(dc, object) : nullptr) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard()
    {
        if (FOld)
            SelectObject(FDC, FOld);
    }

private:
    HDC FDC;
    HGDIOBJ FOld;
};

// A DC made by CreateCompatibleDC.
class UniqueMemDC {
public:
    explicit UniqueMemDC(HDC reference = nullptr) : FDC(CreateCompatibleDC(reference)) {}
    UniqueMemDC(const UniqueMemDC&) = delete;
    UniqueMemDC& operator=(const UniqueMemDC&) = delete;
    ~UniqueMemDC()
    {
        if (FDC)
            DeleteDC(FDC);
    }
    HDC Get() const { return FDC; }

private:
    HDC FDC;
};

// GetDC / ReleaseDC; with wholeWindow, GetWindowDC: the frame included.
class WindowDC {
public:
    explicit WindowDC(HWND wnd, bool wholeWindow = false) : FWnd(wnd), FDC(wholeWindow ? GetWindowDC(wnd) : GetDC(wnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC()
    {
        if (FDC)
            ReleaseDC(FWnd, FDC);
    }
    HDC Get() const { return FDC; }

private:
    HWND FWnd;
    HDC FDC;
};

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND wnd) : FWnd(wnd) { FDC = BeginPaint(wnd, &FPaint); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(FWnd, &FPaint); }
    HDC Get() const { return FDC; }
    const RECT& Dirty() const { return FPaint.rcPaint; }

private:
    HWND FWnd;
    HDC FDC;
    PAINTSTRUCT FPaint;
};

// Saves and restores a DC's whole state (clip region, origin, objects).
class SaveDCGuard {
public:
    explicit SaveDCGuard(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}
    SaveDCGuard(const SaveDCGuard&) = delete;
    SaveDCGuard& operator=(const SaveDCGuard&) = delete;
    ~SaveDCGuard() { RestoreDC(FDC, FSaved); }

private:
    HDC FDC;
    int FSaved;
};

// A handle from CreateFile; INVALID_HANDLE_VALUE, not NULL, means none.
class UniqueFile {
public:
    explicit UniqueFile(HANDLE handle) : FHandle(handle) {}
    UniqueFile(const UniqueFile&) = delete;
    UniqueFile& operator=(const UniqueFile&) = delete;
    ~UniqueFile()
    {
        if (FHandle != INVALID_HANDLE_VALUE)
            CloseHandle(FHandle);
    }
    HANDLE Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != INVALID_HANDLE_VALUE; }

private:
    HANDLE FHandle;
};
