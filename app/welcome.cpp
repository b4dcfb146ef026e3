#include "app/welcome.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "practice/preferences.h"
#include "widgets/dialogtext.h"

namespace {

// The language buttons name each language in itself, so a learner who
// reads none of the others finds their own.
struct LanguageChoice
{
    const char* radio;  // the window's own button for it
    const char* name;
};
const LanguageChoice Languages[] = {{"rad_lang_chinese", "中文"},
                                    {"rad_lang_arabic", "العربية"},
                                    {"rad_lang_english", "English"}};

QLabel* Text(QWidget* parent)
{
    QLabel* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

Welcome* Welcome::OfferOnFirstStart(QWidget* window, QSettings& settings)
{
    if (!Preferences::FirstStart(settings))
        return nullptr;
    return new Welcome(window, settings);
}

Welcome::Welcome(QWidget* window, QSettings& settings)
    : QWidget(window)
    , settings(settings)
{
    setObjectName(QStringLiteral("welcome"));
    card = new QFrame(this);
    card->setObjectName(QStringLiteral("welcomeCard"));
    card->setFrameShape(QFrame::StyledPanel);
    card->setAutoFillBackground(true);
    // The language chosen stands out from the other two.
    card->setStyleSheet(QStringLiteral("QPushButton:checked{border-image: url(:/pic/btn_hover) 5; font-weight: bold;}"));

    title = Text(card);
    title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 16px;"));  // over the program's style sheet
    about = Text(card);
    question = Text(card);
    course = new QPushButton(card);
    course->setObjectName(QStringLiteral("welcomeCourse"));
    drills = new QPushButton(card);
    drills->setObjectName(QStringLiteral("welcomeDrills"));
    languageLabel = Text(card);
    later = Text(card);

    QHBoxLayout* languages = new QHBoxLayout;
    languages->addWidget(languageLabel, 1);
    QButtonGroup* group = new QButtonGroup(this);
    for (const LanguageChoice& l : Languages) {
        QPushButton* b = new QPushButton(QString::fromUtf8(l.name), card);
        b->setCheckable(true);
        const QAbstractButton* radio = window->findChild<QAbstractButton*>(QLatin1String(l.radio));
        b->setChecked(radio && radio->isChecked());
        group->addButton(b);
        languages->addWidget(b);
        const char* name = l.radio;
        connect(b, &QPushButton::clicked, this, [this, name] { ChooseLanguage(name); });
    }

    QVBoxLayout* column = new QVBoxLayout(card);
    column->setContentsMargins(24, 18, 24, 18);
    column->setSpacing(10);
    column->addWidget(title);
    column->addWidget(about);
    column->addWidget(question);
    column->addWidget(course);
    column->addWidget(drills);
    column->addSpacing(6);
    column->addLayout(languages);
    column->addWidget(later);

    connect(course, &QPushButton::clicked, this, [this] { Answer("tab_course"); });
    connect(drills, &QPushButton::clicked, this, [this] { Answer("tabletter"); });

    Retranslate();
    window->installEventFilter(this);
    setGeometry(window->rect());
    raise();
    show();
    // The window gives focus to its own page as it is shown; the welcome
    // takes it back once the window is up.
    QTimer::singleShot(0, course, [c = course] { c->setFocus(Qt::OtherFocusReason); });
}

void Welcome::Retranslate()
{
    title->setText(DialogText::tr("Welcome"));
    about->setText(DialogText::tr(
        "This program teaches you to type Arabic by touch on the keyboard you have: it turns your keys into the "
        "Arabic layout, so there is nothing to install. Drills of letters, words and sentences, a course that "
        "begins on the home row, and practice of your weak keys take you there."));
    question->setText(DialogText::tr("Where would you like to begin?"));
    course->setText(DialogText::tr("I am new to touch typing: start the course at lesson 1"));
    drills->setText(DialogText::tr("I can already type: go to the drills"));
    languageLabel->setText(DialogText::tr("Interface language:"));
    later->setText(DialogText::tr("You can change the language and the keyboard later on the Settings tab."));
    // The card keeps to the middle of the window at any language's length.
    const int width = qMin(560, qMax(0, parentWidget()->width() - 40));
    card->setFixedWidth(width);
    card->setFixedHeight(card->heightForWidth(width));
    card->move((parentWidget()->width() - width) / 2, (parentWidget()->height() - card->height()) / 2);
}

void Welcome::ChooseLanguage(const char* radio)
{
    // The window's own button switches the language, as on the Setting tab;
    // the welcome follows with the LanguageChange every widget is sent.
    if (QAbstractButton* b = parentWidget()->findChild<QAbstractButton*>(QLatin1String(radio)))
        b->click();
}

void Welcome::Answer(const char* page)
{
    parentWidget()->removeEventFilter(this);  // the next Escape is the window's
    Preferences::MarkWelcomed(settings);
    QTabWidget* tabs = parentWidget()->findChild<QTabWidget*>(QStringLiteral("tabWidget"));
    QWidget* tab = page ? parentWidget()->findChild<QWidget*>(QLatin1String(page)) : nullptr;
    if (tabs && tab)
        tabs->setCurrentWidget(tab);
    hide();
    deleteLater();
    if (tabs)
        tabs->currentWidget()->setFocus(Qt::OtherFocusReason);
}

void Welcome::paintEvent(QPaintEvent*)
{
    // The window dimmed behind the card: it is there, but not yet.
    QPainter(this).fillRect(rect(), QColor(0, 0, 0, 110));
}

void Welcome::keyPressEvent(QKeyEvent* event)
{
    // Escape answers "not now": the page behind stays, the welcome goes.
    if (event->key() == Qt::Key_Escape) {
        Answer(nullptr);
        return;
    }
    QWidget::keyPressEvent(event);
}

void Welcome::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LayoutDirectionChange)
        Retranslate();
    QWidget::changeEvent(event);
}

bool Welcome::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != parentWidget())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        Retranslate();
    }
    // Escape that reaches the window from the page behind (before the
    // welcome has the focus) is the welcome's too, not the window's.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        Answer(nullptr);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
