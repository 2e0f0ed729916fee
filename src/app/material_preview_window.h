#pragma once
// "素材区预览": one picture of the downloadable material, opened beside the main window. It exists at
// most once; opening it again brings the open one to the front.

#include <QWidget>

namespace ornavo::app {

class MaterialPreviewWindow : public QWidget {
    Q_OBJECT
  public:
    static const char* const kCaption;

    static MaterialPreviewWindow* present();
    static MaterialPreviewWindow* instance();

  private:
    MaterialPreviewWindow();
};

} // namespace ornavo::app
