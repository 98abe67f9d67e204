// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QUrl>
#include <functional>
#include <memory>

#include "web/globalscoresview.h"
#include "web/links.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

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
    // Shown in the view's place while the server field holds no web address, saying so.
    QLabel* LabelServer;
    GlobalScoresView* WebBrowser1() const { return view_.get(); }

    void SetPicture(const QPixmap& picture);

    // Shows the dialog over the main window without blocking it.
    void ShowList();
    // Loads link in the view without showing the dialog; the answer is not shown, but a load that
    // fails (a refusal of the server, or no answer) goes to BackgroundFailed.
    void LoadInBackground(const QString& link);
    std::function<void(const GlobalScoresView::LoadResult& result)> BackgroundFailed;
    // The list page of the fields' current choice.
    QString ListLink() const;
    // Makes the view if there is none yet (this loads the browser engine); false when none can be made.
    bool LoadBrowser();

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
    // The page asked of the view, or an empty address when none was.
    QUrl navigate(const QString& link);
    void loadFinished(const GlobalScoresView::LoadResult& result);
    // The list page of the server field, or, for a field that is no web address, the reason instead.
    void showListPage();
    // The view's filter: pages stay in the view, everything else goes where every link goes.
    bool followLink(const QUrl& url, bool newWindow);

    QString& webServer_;
    RandomSource random_;
    GlobalScoresViewFactory factory_;
    std::unique_ptr<GlobalScoresView> view_;
    QList<QUrl> background_;  // background loads not ended yet
    bool loaded_ = false;
    bool skipActivation_ = false;
};

}  // namespace web::quadrelle
