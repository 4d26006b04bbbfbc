// CAnalogClock: the analog clock of the main window, a subclassed static
// control. It draws a skin's dial, a date window and antialiased hands, and
// repaints itself once a second. Pixels of the key colour are left out on
// screen, so the round dial stands on the parent's background. In high
// contrast it draws a plain face instead: hour marks, day and hands in the
// system's text colour over its window colour.
//
// Assistive technology reads its window text as its name and, through
// Dynamic Annotation, its role (a clock) and its value: the hours and
// minutes shown, set once a minute with a value-change event.
#pragma once
#include <windows.h>

#include <ctime>
#include <limits>

#include "controls/BitmapDC.h"
#include "controls/DibSurface.h"
#include "framework/AccessibleAnnotation.h"
#include "framework/Static.h"

class CAnalogClock : public CStatic {
public:
    CAnalogClock();
    ~CAnalogClock() override;

    // Forgets the loaded bitmaps; they load again on the next use. Does not
    // repaint.
    void SetSkin(int faceId, int dateId);
    // The face bitmap's size, (0,0) without a skin or when it cannot load.
    SIZE GetFaceSize();
    // Starts the one-second tick and forces a full redraw.
    void Start();
    void Stop();

    // The plain face in `ink` over `paper` (the high-contrast colours), or
    // the skin again when off; repaints.
    void SetPlainFace(bool on, COLORREF ink = 0, COLORREF paper = 0);
    bool IsPlainFace() const { return m_bPlainFace; }

    // Annotates through `annotation` instead of the system's service, for
    // tests; set before the clock starts.
    void SetAnnotation(CAccessibleAnnotation& annotation) { m_pAnnotation = &annotation; }

    // Full composes of face, date and hour and minute hands so far; the
    // picture is kept and reused for the rest of its minute.
    int ComposeCount() const { return m_nComposeCount; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* ThisMessageMap();

    // Loads the layers against a screen DC; nothing while no skin is set.
    void PreSubclassWindow() override;
    // The clock's time source; tests replace it.
    virtual __time64_t CurrentTime() { return _time64(nullptr); }

private:
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnDestroy();

    void LoadLayers(HDC dc);
    // The whole control onto dc: the cached minute or a new one, and the
    // second hand.
    void Draw(HDC dc);
    void DrawDate(DibSurface& canvas, const tm& local);
    void DrawHands(DibSurface& canvas, const tm& local);
    void DrawSecondHand(DibSurface& canvas, const tm& local);
    void DrawTicks(DibSurface& canvas);
    // The value for assistive technology, when the minute has changed.
    void AnnotateTime();

    // The clock's state. The main window writes the three public fields
    // directly; the clock reads them whenever it draws.
    CBitmapDC m_layerFace;
    CBitmapDC m_layerDate;
    CBitmapDC m_layerCache;  // last composed picture, reused within its minute
    // The local minute (LocalMinuteNumber) m_layerCache shows; kNoPicture
    // forces a full redraw. The whole date and time, not the minute of the
    // hour: a paint an hour or a day later in the same minute (after a
    // restore, a wake or a clock change) must compose afresh.
    static constexpr long long kNoPicture = (std::numeric_limits<long long>::min)();
    long long m_nLastMinute = kNoPicture;

public:
    BOOL m_bShowDate = TRUE;
    BOOL m_bShowSeconds = TRUE;

private:
    __time64_t m_time;
    COLORREF m_crBack = RGB(255, 0, 255);
    COLORREF m_crTransparent = RGB(255, 0, 255);  // key colour: never copied

public:
    COLORREF m_crSecondHand = RGB(220, 20, 60);

private:
    COLORREF m_crMinuteHand = RGB(0, 0, 0);
    COLORREF m_crHourHand = RGB(0, 0, 0);
    int m_nFaceId = 0;
    int m_nDateId = 0;
    int m_nComposeCount = 0;
    // The off-screen picture, kept from paint to paint at the client's size:
    // making a DIB section every second cost more than the rest of the tick.
    DibSurface m_canvas;

    bool m_bPlainFace = false;
    COLORREF m_crInk = RGB(0, 0, 0);
    COLORREF m_crPaper = RGB(255, 255, 255);

    CAccessibleAnnotation m_annotation;
    CAccessibleAnnotation* m_pAnnotation = &m_annotation;
    long long m_nAnnotatedMinute = kNoPicture;  // the minute the value tells
};
