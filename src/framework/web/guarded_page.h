#pragma once
// The preview's web page, which runs whatever scripts the module's code holds, kept from taking the
// program over:
//   - alert, confirm and prompt never open a box (the browser's own would block every window of the
//     program until answered, and a page may ask again and again): the first since the page was last
//     shown is told in one line, later ones only counted; confirm and prompt are answered "Cancel". A
//     page leaving for the next update is let go without asking.
//   - a page that stops answering (a script that never ends) is noticed within kAnswerLimit of a load
//     or an update, while it is watched: its renderer process is ended, which frees the processor, and
//     one line says so. The next load starts a renderer anew.

#include <QElapsedTimer>
#include <QTimer>
#include <QWebEnginePage>

namespace ornavo::web {

class GuardedPage : public QWebEnginePage {
    Q_OBJECT
  public:
    // How long a watched page may leave a question of the program's unanswered.
    static constexpr int kAnswerLimitMs = 4000;
    // How often the page is asked while it is watched.
    static constexpr int kAskEveryMs = 250;
    // How long a page is still watched after it has loaded and answered (its start-up scripts run on).
    static constexpr int kAfterLoadMs = 2000;

    explicit GuardedPage(QWebEngineProfile* profile, QObject* parent = nullptr);
    ~GuardedPage() override;

    // Loads the address and watches the page (as watch()); a renderer that is being ended is let go
    // first.
    void loadWatched(const QUrl& url);
    // Watches the page from now until it has loaded, answered, and answered on for kAfterLoadMs. Call
    // at every update of the page; the page's earlier notice goes.
    void watch();
    bool watching() const { return ask_.isActive(); }
    // The page's renderer was ended (it stopped answering, or it went some other way) since the page
    // was last loaded: it shows nothing until it is loaded again.
    bool stopped() const { return stopped_; }

    // The line the window shows about the page, "" for none.
    const QString& notice() const { return notice_; }

    // The texts of the notices.
    static QString stoppedNotice();
    static QString dialogNotice(const QString& kind, const QString& message, int more);

  signals:
    // The line changed ("" when it goes).
    void noticeChanged(const QString& line);
    // The page stopped answering and its renderer was ended.
    void hung();

  protected:
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                          QString* result) override;

  private:
    void askNow();
    qint64 silentMs() const; // since the last answer, or since watch() when none came
    void checkAnswers();
    void stopHungPage();
    void dialog(const QString& kind, const QString& message);
    void setNotice(const QString& line);

    QTimer ask_;
    QElapsedTimer watched_;  // since watch()
    QElapsedTimer answered_; // since the last answer (invalid: none since watch())
    QElapsedTimer loaded_;   // since the last load finished (invalid: still loading)
    bool loading_ = false;
    bool stopped_ = false;
    bool ending_ = false; // its renderer was told to end, and has not been reported gone yet
    QUrl pending_;        // the page to load once it has
    QString notice_;
    QString firstDialog_; // the kind and message of the first dialog since the page was last shown
    QString firstMessage_;
    int moreDialogs_ = 0;
};

} // namespace ornavo::web
