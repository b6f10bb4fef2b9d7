// A paint context for the duration of one WM_PAINT: BeginPaint when made,
// EndPaint when it goes.
#pragma once
#include "platform/ui/Window.h"

namespace ui {

class PaintDc {
 public:
  explicit PaintDc(WindowHandle window) : m_window(window) {
    m_began = BeginPainting(window, &m_session);
  }
  ~PaintDc() {
    if (m_began) EndPainting(m_window, &m_session);
  }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  // The device context; 0 when BeginPaint failed.
  DcHandle Dc() const { return m_began ? m_session.dc : 0; }

 private:
  WindowHandle m_window;
  PaintSession m_session;
  bool m_began = false;
};

}  // namespace ui
