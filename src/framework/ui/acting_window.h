#pragma once
// The window on whose behalf the program is acting: while an ActingWindow lives (a press of one of
// that window's buttons, a close through its frame), message boxes belong to that window and stand in
// front of it, and the browser windows open beside it. Outside any such scope it is the window the
// user is working in: the modal one, else the active one.

#include <QPointer>
#include <QWidget>

namespace ornavo::ui {

class ActingWindow {
  public:
    explicit ActingWindow(QWidget* window);
    ~ActingWindow();
    ActingWindow(const ActingWindow&) = delete;
    ActingWindow& operator=(const ActingWindow&) = delete;

    // The innermost live scope's window, else the active modal window, else the active window;
    // nullptr when there is none.
    static QWidget* current();
    // current(), when it is on screen: a window that is hidden or minimised cannot carry a box in front
    // of it (window managers hide the transients of a hidden window with it).
    static QWidget* visibleOwner();

  private:
    QPointer<QWidget> window_;
    ActingWindow* outer_;
};

} // namespace ornavo::ui
