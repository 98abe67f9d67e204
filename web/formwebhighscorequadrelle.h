#pragma once

#include <QDialog>
#include <QPixmap>
#include <QUrl>
#include <functional>
#include <memory>

#include "web/links.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace web {

// A web page view embedded in a dialog. The program builds without any browser engine; the engine
// that can show pages supplies a factory.
class GlobalScoresView {
  public:
    virtual ~GlobalScoresView() = default;
    virtual QWidget* Widget() = 0;
    virtual void Navigate(const QUrl& url) = 0;
};

// Creates the view inside parent, or returns nullptr when no engine is available.
using GlobalScoresViewFactory = std::function<std::unique_ptr<GlobalScoresView>(QWidget* parent)>;

}  // namespace web

namespace web::quadrelle {

// "Quadrelle - Global Highscores": the score server's lists inside the program. Combo1 picks the
// period, Combo2 the count; the view WebBrowser1 is created when it is first needed (the first
// opening or a background upload). Closing only hides the dialog and keeps the typed server.
class FormWebHighscore : public QDialog {
    Q_OBJECT
  public:
    // webServer is the main window's WebServer field; it must outlive the dialog.
    FormWebHighscore(QString& webServer, RandomSource random, GlobalScoresViewFactory factory,
                     QWidget* mainWindow);
    ~FormWebHighscore() override;

    QLabel* Label1;
    QLineEdit* TextWebServer;
    QPushButton* Command2;  // "Go"
    QComboBox* Combo1;      // period
    QComboBox* Combo2;      // count
    QLabel* Label2;
    GlobalScoresView* WebBrowser1() const { return view_.get(); }

    void SetPicture(const QPixmap& picture);

    // Shows the dialog over the main window without blocking it.
    void ShowList();
    // Loads link in the view without showing the dialog; the answer is not shown.
    void LoadInBackground(const QString& link);
    // The list page of the fields' current choice.
    QString ListLink() const;

  public slots:
    void Combo1_Click(int index);
    void Combo2_Click(int index);
    void Command2_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void reject() override;

  private:
    void Form_Load();
    void navigate(const QString& link);
    bool ensureView();

    QString& webServer_;
    RandomSource random_;
    GlobalScoresViewFactory factory_;
    std::unique_ptr<GlobalScoresView> view_;
    bool loaded_ = false;
    bool skipActivation_ = false;
};

}  // namespace web::quadrelle
