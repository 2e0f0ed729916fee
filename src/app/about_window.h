#pragma once
// "关于软件": the program's name and maker, a "联系我们" link to the maker's messenger page and "确定".

#include <QDialog>

#include <functional>
#include <string>

namespace ornavo::app {

class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    static const char* const kCaption;

    // openAddress receives IM_CONTACT_URL when "联系我们" is pressed.
    explicit AboutWindow(std::function<void(const std::string&)> openAddress, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const std::string&)> openAddress_;
};

} // namespace ornavo::app
