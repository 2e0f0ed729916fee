#pragma once
// Shares a module window's height between its settings and the code box below them, and fits the
// sample pictures into the settings. Whenever the room changes (the window is resized, a bar appears
// above the settings or goes), the settings get the height they need with their samples at full
// size and the code box the rest; where that leaves the code box lower than its least height, the
// samples give up room instead: every sample takes the largest share of its own size (the same share
// for all, shapes kept, never below a least share) at which the settings show whole without scrolling.

#include <QObject>

#include <vector>

class QScrollArea;

namespace ornavo::ui {

class PictureBox;

class SettingsFitter : public QObject {
  public:
    // `settings` and `below` stand one over the other in their window's layout.
    SettingsFitter(QScrollArea* settings, QWidget* below, int belowLeast, std::vector<PictureBox*> samples);

    // Fits the settings and the samples to the room as it is now.
    void fit();
    // The share of their size the samples take now.
    double scale() const { return scale_; }

    // The least share of its size a sample is shown at.
    static constexpr double kLeastScale = 0.3;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The height the settings need at the view's width with the samples at that share.
    int need(double scale);
    // The height the settings and the code box share (they stand in the window's column).
    int sharedHeight() const;

    QScrollArea* settings_;
    QWidget* below_;
    int belowLeast_;
    std::vector<PictureBox*> samples_;
    QObject* viewport_;
    double scale_ = 1;
    bool fitting_ = false;
};

} // namespace ornavo::ui
