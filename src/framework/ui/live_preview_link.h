#pragma once
// A module window's part in live preview (framework/live_preview.h), kept with the window
// (GeneratorWindow::attach) so that it goes before the window's form does.

#include "framework/model/live_preview.h"
#include "generator_window.h"

#include <QObject>

namespace ornavo::ui {

class LivePreviewLink : public QObject {
    Q_OBJECT
  public:
    LivePreviewLink(GeneratorWindow& window, LivePreview& live) : live_(window.form(), live) {}
    LiveWindow& live() { return live_; }

  private:
    LiveWindow live_;
};

} // namespace ornavo::ui
