// GDI wrappers. Each owning object holds one handle and releases it; they are
// move-only, so an owned handle never escapes through a temporary. CDCHandle
// is the non-owning view of a device context. Selection into a device context
// is scoped by CSelectObject.
#pragma once
#include <windows.h>

#include <string>

#include "framework/Handles.h"

// An owned GDI object (font, pen, brush, bitmap), deleted with DeleteObject.
template <class Handle>
class CGdiObject : public CUniqueHandle<GdiObjectTraits<Handle>> {
public:
    using CUniqueHandle<GdiObjectTraits<Handle>>::CUniqueHandle;
    void DeleteObject() { this->Close(); }
};

class CFont : public CGdiObject<HFONT> {
public:
    using CGdiObject::CGdiObject;
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const char* face) {
        Attach(::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                             charSet, outPrecision, clipPrecision, quality, pitchAndFamily, face));
        return Get() != nullptr;
    }
    BOOL CreateFontIndirect(const LOGFONTA& lf) {
        Attach(::CreateFontIndirectA(&lf));
        return Get() != nullptr;
    }
};

class CPen : public CGdiObject<HPEN> {
public:
    using CGdiObject::CGdiObject;
    BOOL CreatePen(int style, int width, COLORREF colour) {
        Attach(::CreatePen(style, width, colour));
        return Get() != nullptr;
    }
};

class CBrush : public CGdiObject<HBRUSH> {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    BOOL CreateSolidBrush(COLORREF colour) {
        Attach(::CreateSolidBrush(colour));
        return Get() != nullptr;
    }
};

class CBitmap : public CGdiObject<HBITMAP> {
public:
    using CGdiObject::CGdiObject;
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height) {
        Attach(::CreateCompatibleBitmap(dc, width, height));
        return Get() != nullptr;
    }
    // A device-independent layout; CreateBitmap(w, h, 1, 1, nullptr) is a
    // monochrome mask.
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
        Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
        return Get() != nullptr;
    }
};

// Selects an object into a device context for the guard's lifetime and puts
// the previous object back when it ends.
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(object ? ::SelectObject(dc, object) : nullptr) {}
    ~CSelectObject() {
        if (m_old) ::SelectObject(m_dc, m_old);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// The drawing calls on a device context that this object does not own: the
// DC of a draw request, or the one a CDC owns. Copying it copies the view.
class CDCHandle {
public:
    explicit CDCHandle(HDC dc = nullptr) : m_hDC(dc) {}

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // The setters answer the previous value, for the caller to put back.
    COLORREF SetTextColor(COLORREF colour) const { return ::SetTextColor(m_hDC, colour); }
    COLORREF SetBkColor(COLORREF colour) const { return ::SetBkColor(m_hDC, colour); }
    int SetBkMode(int mode) const { return ::SetBkMode(m_hDC, mode); }

    RECT GetClipBox() const {
        RECT rc{};
        ::GetClipBox(m_hDC, &rc);
        return rc;
    }
    // Fills with a plain colour; the background colour is put back after.
    void FillSolidRect(const RECT& rc, COLORREF colour) const {
        const COLORREF old = ::SetBkColor(m_hDC, colour);
        ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
        ::SetBkColor(m_hDC, old);
    }
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop) const {
        return ::PatBlt(m_hDC, x, y, width, height, rop);
    }
    BOOL BitBlt(int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop) const {
        return ::BitBlt(m_hDC, x, y, width, height, source, xSource, ySource, rop);
    }
    // Outlined in the current pen, filled with the current brush.
    BOOL Rectangle(const RECT& rc) const { return ::Rectangle(m_hDC, rc.left, rc.top, rc.right, rc.bottom); }
    BOOL Polyline(const POINT* points, int count) const { return ::Polyline(m_hDC, points, count); }
    BOOL DrawEdge(RECT rc, UINT edge, UINT flags) const { return ::DrawEdge(m_hDC, &rc, edge, flags); }
    BOOL DrawIconEx(int x, int y, HICON icon, int width, int height, UINT flags) const {
        return ::DrawIconEx(m_hDC, x, y, icon, width, height, 0, nullptr, flags);
    }
    // With DT_CALCRECT the rectangle receives the text's extent.
    int DrawText(const std::string& text, RECT& rc, UINT format) const {
        return ::DrawTextA(m_hDC, text.c_str(), static_cast<int>(text.size()), &rc, format);
    }
    BOOL TextOut(int x, int y, const std::string& text) const {
        return ::TextOutA(m_hDC, x, y, text.c_str(), static_cast<int>(text.size()));
    }

protected:
    HDC m_hDC = nullptr;
};

// An owned memory device context, deleted with DeleteDC.
class CDC : public CDCHandle {
public:
    CDC() = default;
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    BOOL CreateCompatibleDC(HDC reference) {
        m_owned.Attach(::CreateCompatibleDC(reference));
        m_hDC = m_owned.Get();
        return m_hDC != nullptr;
    }
    void DeleteDC() {
        m_owned.Close();
        m_hDC = nullptr;
    }

private:
    CUniqueHandle<MemoryDCTraits> m_owned;
};

// The device context of a WM_PAINT: BeginPaint in, EndPaint out.
class CPaintDC {
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::BeginPaint(hWnd, &m_ps)) {}
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    operator HDC() const { return m_hDC; }
    const PAINTSTRUCT& PaintStruct() const { return m_ps; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HDC m_hDC;
};

// The client-area device context of a window (the whole screen for none).
class CClientDC {
public:
    explicit CClientDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~CClientDC() {
        if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};
