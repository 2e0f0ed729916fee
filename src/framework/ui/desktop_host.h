#pragma once
// What a module window reaches on the desktop: the system clipboard, and the preview and colour table
// windows as the program provides them (nothing happens while none is provided). The windows are told
// which window asked for them (see acting_window.h), to stand beside it.

#include "framework/model/prompter.h"

#include <functional>
#include <string>

class QWidget;

namespace ornavo::ui {

class DesktopHost : public WindowHost {
  public:
    using PreviewOpener = std::function<void(const std::string& code, QWidget* from)>;
    using ColourTableOpener = std::function<void(QWidget* from)>;

    DesktopHost() = default;
    DesktopHost(PreviewOpener preview, ColourTableOpener colourTable)
        : preview_(std::move(preview)), colourTable_(std::move(colourTable)) {}
    void setPreviewOpener(PreviewOpener opener) { preview_ = std::move(opener); }
    void setColourTableOpener(ColourTableOpener opener) { colourTable_ = std::move(opener); }

    void putOnClipboard(const std::string& text) override;
    void showPreview(const std::string& code) override;
    void openColourTable() override;

  private:
    PreviewOpener preview_;
    ColourTableOpener colourTable_;
};

} // namespace ornavo::ui
