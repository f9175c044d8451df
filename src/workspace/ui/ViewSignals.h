#pragma once

#include "TColorView.h"

// Forwards the mouse signals of a colour view to the frame that hosts it.
template <class Frame>
void ForwardViewSignals(TColorView* view, Frame* frame)
{
    QObject::connect(view, &TColorView::colorPressed, frame, &Frame::colorPressed);
    QObject::connect(view, &TColorView::colorCommitted, frame, &Frame::colorCommitted);
    QObject::connect(view, &TColorView::contextMenuRequested, frame, &Frame::contextMenuRequested);
    QObject::connect(view, &TColorView::dragStarted, frame, &Frame::dragStarted);
    QObject::connect(view, &TColorView::dragFinished, frame, &Frame::dragFinished);
}
