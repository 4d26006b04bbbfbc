#include "controls/AnalogClock.h"

#include <oleacc.h>

#include <string>

#include "controls/AntialiasedLine.h"
#include "controls/DibSurface.h"
#include "display/DisplayScale.h"
#include "controls/HandGeometry.h"

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMs = 1000;
constexpr COLORREF kKey = RGB(255, 0, 255);

// The date window on a 100 x 100 face: the panel, and the day written one
// pixel right of and above it so the digits sit centred in its frame. A
// larger face (a larger display scale) moves them with it.
constexpr POINT kDatePanelAt = {67, 43};
constexpr POINT kDateTextAt = {68, 42};
constexpr POINT kDayInCanvas = {3, 1};

// A place on the 100 x 100 face, on a face `faceW` pixels wide.
POINT OnFace(POINT at, int faceW)
{
    return POINT{ScaleForPercent(at.x, faceW), ScaleForPercent(at.y, faceW)};
}

// Splits the time; hour, minute and second -1 and day 0 when it cannot.
tm LocalTime(__time64_t t)
{
    tm local{};
    if (_localtime64_s(&local, &t) != 0) {
        local = tm{};
        local.tm_hour = local.tm_min = local.tm_sec = -1;
        local.tm_mday = 0;
    }
    return local;
}

void DrawLines(DibSurface& canvas, const std::vector<HandLine>& lines, COLORREF colour)
{
    for (const HandLine& l : lines)
        DrawAntialiasedStroke(canvas, l.from.x, l.from.y, l.to.x, l.to.y, colour, l.weight);
}

} // namespace

CAnalogClock::CAnalogClock() : m_time(_time64(nullptr)) {}

CAnalogClock::~CAnalogClock()
{
    m_layerFace.Release();
    m_layerDate.Release();
    m_layerCache.Release();
}

const MessageMap* CAnalogClock::ThisMessageMap()
{
    using T = CAnalogClock;
    static const MessageEntry entries[] = {
        OnMessage(WM_PAINT, &msg::Void<T, &T::OnPaint>),
        OnMessage(WM_TIMER, &msg::Timer<T, &T::OnTimer>),
        OnMessage(WM_DESTROY, &msg::Void<T, &T::OnDestroy>),
    };
    static const MessageMap map{CStatic::ThisMessageMap(), entries, sizeof entries / sizeof entries[0]};
    return &map;
}

const MessageMap* CAnalogClock::GetMessageMap() const { return ThisMessageMap(); }

BOOL CAnalogClock::PreTranslateMessage(MSG* msg) { return CStatic::PreTranslateMessage(msg); }

void CAnalogClock::PreSubclassWindow()
{
    CClientDC screen(nullptr);
    LoadLayers(screen);
    CStatic::PreSubclassWindow();
}

void CAnalogClock::SetSkin(int faceId, int dateId)
{
    m_layerFace.Release();
    m_layerDate.Release();
    m_layerCache.Release();
    m_nFaceId = faceId;
    m_nDateId = dateId;
}

SIZE CAnalogClock::GetFaceSize()
{
    CClientDC screen(nullptr);
    LoadLayers(screen);
    if (!m_nFaceId || !m_nDateId)
        return SIZE{0, 0};
    return SIZE{m_layerFace.GetWidth(), m_layerFace.GetHeight()};
}

void CAnalogClock::Start()
{
    m_nLastMinute = kNoPicture;
    SetTimer(kTickTimer, kTickMs);
    AnnotateTime();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CAnalogClock::Stop() { KillTimer(kTickTimer); }

void CAnalogClock::SetPlainFace(bool on, COLORREF ink, COLORREF paper)
{
    m_bPlainFace = on;
    m_crInk = ink;
    m_crPaper = paper;
    m_nLastMinute = kNoPicture;
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

// Readers announce a value change: once a minute, when the time read out
// changes, not at every tick.
void CAnalogClock::AnnotateTime()
{
    const tm local = LocalTime(CurrentTime());
    if (local.tm_hour < 0)
        return;
    const long long minute =
        LocalMinuteNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    if (minute == m_nAnnotatedMinute)
        return;
    if (m_nAnnotatedMinute == kNoPicture)
        m_pAnnotation->SetRole(m_hWnd, ROLE_SYSTEM_CLOCK);
    m_nAnnotatedMinute = minute;
    m_pAnnotation->SetValue(m_hWnd, FormatClockValue(local.tm_hour, local.tm_min));
    ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

// A layer that failed to load is tried again next time. The cache starts as
// a second copy of the face: a canvas of the right size and format.
void CAnalogClock::LoadLayers(HDC dc)
{
    if (!m_nFaceId || !m_nDateId)
        return;
    if (!m_layerFace.IsLoaded())
        m_layerFace.Load(m_nFaceId, dc);
    if (!m_layerDate.IsLoaded())
        m_layerDate.Load(m_nDateId, dc);
    if (!m_layerCache.IsLoaded())
        m_layerCache.Load(m_nFaceId, dc);
}

void CAnalogClock::OnPaint()
{
    if (!m_nFaceId || !m_nDateId) {
        // Nothing to show, but the update region must go or WM_PAINT repeats.
        ::ValidateRect(m_hWnd, nullptr);
        return;
    }
    CPaintDC dc(m_hWnd);
    Draw(dc);
}

void CAnalogClock::Draw(HDC dc)
{
    LoadLayers(dc);
    m_time = CurrentTime();

    // Off screen first, so the control never flickers. A DIB section lets
    // the hands be drawn straight into memory.
    RECT client = GetClientRect();
    DibSurface& canvas = m_canvas;
    if (!canvas.GetSafeHdc() || canvas.Width() != client.right || canvas.Height() != client.bottom) {
        if (!canvas.Create(client.right, client.bottom, dc))
            return;
    }
    {
        CBrush back(m_bPlainFace ? m_crPaper : m_crBack);
        ::FillRect(canvas, &client, back.Get());
    }

    const tm local = LocalTime(m_time);
    const int faceW = m_layerFace.GetWidth();
    const int faceH = m_layerFace.GetHeight();
    const long long minute =
        LocalMinuteNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    if (minute == m_nLastMinute) {
        ::BitBlt(canvas, 0, 0, client.right, client.bottom, m_layerCache, 0, 0, SRCCOPY);
    } else {
        // Face, date and the slow antialiased hour and minute hands change
        // once a minute: compose them now and keep the picture. (gdi32's own
        // TransparentBlt: msimg32's only forwards to it, and is no Known DLL.)
        if (m_bPlainFace)
            DrawTicks(canvas);
        else
            ::GdiTransparentBlt(canvas, 0, 0, faceW, faceH, m_layerFace, 0, 0, faceW, faceH, m_crTransparent);
        if (m_bShowDate)
            DrawDate(canvas, local);
        DrawHands(canvas, local);
        ::BitBlt(m_layerCache, 0, 0, faceW, faceH, canvas, 0, 0, SRCCOPY);
        m_nLastMinute = minute;
        ++m_nComposeCount;
    }
    if (m_bShowSeconds)
        DrawSecondHand(canvas, local);

    ::GdiTransparentBlt(dc, 0, 0, client.right, client.bottom, canvas, 0, 0, client.right, client.bottom,
                     m_crTransparent);
}

void CAnalogClock::DrawDate(DibSurface& canvas, const tm& local)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (!font) {
        if (HWND parent = ::GetParent(m_hWnd))
            font = reinterpret_cast<HFONT>(::SendMessageA(parent, WM_GETFONT, 0, 0));
    }
    if (!font)
        return;

    // The window's own font, as bold Arial one unit smaller.
    LOGFONTA lf{};
    ::GetObjectA(font, sizeof lf, &lf);
    ::lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
    lf.lfWeight = FW_BOLD;
    lf.lfHeight += lf.lfHeight < 0 ? 1 : -1;
    // Smoothed glyph edges would blend with the magenta key behind them and
    // leave a pink fringe once the key is cut out.
    lf.lfQuality = NONANTIALIASED_QUALITY;
    CFont dayFont;
    dayFont.CreateFontIndirect(lf);

    const std::string day = FormatDayOfMonth(local.tm_mday);

    // The date window's own size: 18 x 14 beside a 100 x 100 face.
    const int faceW = m_layerFace.GetWidth();
    const int dateW = m_layerDate.GetWidth();
    const int dateH = m_layerDate.GetHeight();
    const POINT dayAt = OnFace(kDayInCanvas, faceW);
    const POINT panelAt = OnFace(kDatePanelAt, faceW);
    const POINT textAt = OnFace(kDateTextAt, faceW);

    if (m_bPlainFace) {
        // The day in a frame, both in ink.
        const RECT frame{panelAt.x, panelAt.y, panelAt.x + dateW, panelAt.y + dateH};
        CBrush ink(m_crInk);
        ::FrameRect(canvas, &frame, ink.Get());
        CSelectObject selectFont(canvas, dayFont.Get());
        ::SetTextColor(canvas, m_crInk);
        ::SetBkMode(canvas, TRANSPARENT);
        ::ExtTextOutA(canvas, textAt.x + dayAt.x, textAt.y + dayAt.y, 0, nullptr, day.c_str(),
                      static_cast<UINT>(day.size()), nullptr);
        return;
    }

    CBitmapDC text;
    text.Load(m_nDateId, canvas);
    {
        CSelectObject selectFont(text, dayFont.Get());
        RECT all{0, 0, dateW, dateH};
        CBrush key(kKey);
        ::FillRect(text, &all, key.Get());
        ::SetBkColor(text, kKey);
        ::ExtTextOutA(text, dayAt.x, dayAt.y, 0, nullptr, day.c_str(), static_cast<UINT>(day.size()), nullptr);

        ::BitBlt(canvas, panelAt.x, panelAt.y, dateW, dateH, m_layerDate, 0, 0, SRCCOPY);
        ::GdiTransparentBlt(canvas, textAt.x, textAt.y, dateW, dateH, text, 0, 0, dateW, dateH, kKey);
    }
    text.Release();
}

// The minute hand first, so the hour hand blends over it.
void CAnalogClock::DrawHands(DibSurface& canvas, const tm& local)
{
    const int w = m_layerFace.GetWidth();
    const int h = m_layerFace.GetHeight();
    DibSurface::Flush();
    DrawLines(canvas, MinuteHandLines(w, h, local.tm_min), m_bPlainFace ? m_crInk : m_crMinuteHand);
    DrawLines(canvas, HourHandLines(w, h, local.tm_hour, local.tm_min), m_bPlainFace ? m_crInk : m_crHourHand);
}

void CAnalogClock::DrawTicks(DibSurface& canvas)
{
    DibSurface::Flush();
    DrawLines(canvas, TickLines(m_layerFace.GetWidth(), m_layerFace.GetHeight()), m_crInk);
}

void CAnalogClock::DrawSecondHand(DibSurface& canvas, const tm& local)
{
    DibSurface::Flush();
    DrawLines(canvas, SecondHandLines(m_layerFace.GetWidth(), m_layerFace.GetHeight(), local.tm_sec),
              m_bPlainFace ? m_crInk : m_crSecondHand);
}

// Ticks only mark the moment; the time itself is read when drawing, so a
// late or lost tick never shows a wrong time. A tick draws straight onto the
// window: invalidating it and waiting for WM_PAINT cost more than all of the
// drawing. Nothing is drawn while no part of the control can be seen.
void CAnalogClock::OnTimer(UINT_PTR)
{
    AnnotateTime();
    if (m_nFaceId && m_nDateId) {
        CClientDC dc(m_hWnd);
        RECT visible;
        if (dc && ::GetClipBox(dc, &visible) != NULLREGION)
            Draw(dc);
    }
    Default();
}

void CAnalogClock::OnDestroy()
{
    Stop();
    m_pAnnotation->Clear(m_hWnd);
    m_nAnnotatedMinute = kNoPicture;
    Default();
}
