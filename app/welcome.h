#ifndef WELCOME_H
#define WELCOME_H

#include <QWidget>

class QAbstractButton;
class QFrame;
class QLabel;
class QPushButton;
class QSettings;

// A short welcome over the tutor window on its first start, in the
// interface's language: what the program does, where to begin (the course
// from lesson 1, or the drills), and the interface language. Answered once
// (either way, or closed with Escape) it is gone for good; the page behind
// it stays the one the window opened on.
//
// It works the window through the names its widgets have always had
// ("tabWidget", "tab_course", "tabletter", "rad_lang_…"), so the window
// needs nothing of it.
class Welcome : public QWidget
{
    Q_OBJECT

public:
    // Shows the welcome over `window` when `settings` say this is the first
    // start; the welcome, or null.
    static Welcome* OfferOnFirstStart(QWidget* window, QSettings& settings);

    Welcome(QWidget* window, QSettings& settings);

    // The two ways on, for tests and the picture in the docs.
    QPushButton* CourseButton() const { return course; }
    QPushButton* DrillsButton() const { return drills; }
    QFrame* Card() const { return card; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();
    // Shows the tab named `page` (none: the page behind) and goes.
    void Answer(const char* page);
    void ChooseLanguage(const char* button);

    QSettings& settings;
    QFrame* card = nullptr;
    QLabel* title = nullptr;
    QLabel* about = nullptr;
    QLabel* question = nullptr;
    QPushButton* course = nullptr;
    QPushButton* drills = nullptr;
    QLabel* languageLabel = nullptr;
    QLabel* later = nullptr;
};

#endif // WELCOME_H
