#ifndef TESTUTIL_H
#define TESTUTIL_H

// Shared by the tests: a private settings store and data folder, answering
// modal boxes (and never hanging on one), content records, the tutor set up
// for scripted drills, and a learner who plays a drill.
#include <QtWidgets>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <functional>
#include <unistd.h>

#include "content/appinfo.h"
#include "content/contentlist.h"
#include "drill/clock.h"
#include "keyboard/keycharmap.h"
#include "practice/practice.h"
#include "tutor/dialog.h"

namespace TestUtil {

// Points the settings store (every format and scope) and the learner's data
// folder (XDG_DATA_HOME) at a fresh temporary folder for its life.
class TempSettings
{
    QTemporaryDir dir;
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    const bool hadData = qEnvironmentVariableIsSet("XDG_DATA_HOME");

public:
    TempSettings()
    {
        for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(f, QSettings::UserScope, dir.path());
            QSettings::setPath(f, QSettings::SystemScope, dir.path() + QLatin1String("/system"));
        }
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    }
    ~TempSettings() { hadData ? void(qputenv("XDG_DATA_HOME", oldData)) : void(qunsetenv("XDG_DATA_HOME")); }
    QString path() const { return dir.path(); }
    // The tutor's store, opened the way the tutor opens it.
    static QSettings* Store()
    {
        return new QSettings(QString::fromLatin1(AppInfo::Organisation), QString::fromLatin1(AppInfo::Application));
    }
};

// For the rest of a scope the tests run as an ordinary user when they run as
// root, for whom file permissions would not bind: a read-only file or folder
// is then read-only for the code under test too. Make what it is to use
// after it, or open to everyone.
class AsLearner
{
    const bool root = geteuid() == 0;

public:
    AsLearner()
    {
        constexpr uid_t Nobody = 65534;
        if (root && (setresgid(Nobody, Nobody, 0) != 0 || setresuid(Nobody, Nobody, 0) != 0))
            qWarning("could not leave root");
    }
    ~AsLearner()
    {
        if (root && (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0))
            qFatal("could not return to root");
    }
    // False when permissions still do not bind (the tests then skip).
    bool Binds() const { return geteuid() != 0; }
};

// Ends a modal widget as Escape would, also a box without an Escape button.
inline void Dismiss(QWidget* w)
{
    qobject_cast<QDialog*>(w) ? qobject_cast<QDialog*>(w)->done(QDialog::Rejected) : void(w->close());
}

// Runs `answer` on the next modal widget that shows up within `timeoutMs`
// (call it before what opens the box). A box the answer left open (a failed
// check inside it) is dismissed; an answerer left over from an earlier test
// function gives up instead of answering this one's boxes. Deleting what it
// returns calls the answerer off, where no box came.
inline QPointer<QObject> WhenModal(std::function<void(QWidget*)> answer, int timeoutMs = 2000)
{
    auto* timer = new QTimer(QCoreApplication::instance());
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    auto testName = [] { return QByteArray(QTest::currentTestFunction()) + '/' + QTest::currentDataTag(); };
    QObject::connect(timer, &QTimer::timeout, [=, test = testName()] {
        QWidget* modal = QApplication::activeModalWidget();
        if (testName() != test || waited->elapsed() > timeoutMs) {
            timer->deleteLater();
        } else if (modal) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
            if (QApplication::activeModalWidget() == modal && modal->isVisible())
                Dismiss(modal);
        }
    });
    timer->start(20);
    return timer;
}

// Clicks the button with `text` in the next message box (no text: dismisses
// it) and keeps what it said. `then` runs first, to answer what the click opens.
inline void ClickInNextBox(const QString& text, QString* seenText = nullptr, std::function<void()> then = {})
{
    WhenModal([=](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        if (seenText)
            *seenText = box->text();
        if (then)
            then();
        if (text.isEmpty())
            return Dismiss(box);
        for (QAbstractButton* b : box->buttons()) {
            if (b->text().remove(u'&') == text)
                return b->click();
        }
        QFAIL(qPrintable(QStringLiteral("no button ") + text));
    });
}

// Types `name` into the next input dialog and accepts it.
inline void AnswerNextInput(const QString& name)
{
    WhenModal([=](QWidget* w) {
        auto* dlg = qobject_cast<QInputDialog*>(w);
        QVERIFY(dlg);
        dlg->setTextValue(name);
        dlg->accept();
    });
}

// A drill ended with keys typed may be offered for recording even inside its
// first second: the question, if it comes, is answered with "Don't record".
inline void QuitIfAsked()
{
    WhenModal(
        [](QWidget* w) {
            for (QAbstractButton* b : qobject_cast<QMessageBox*>(w)->buttons())
                b->text() == QCoreApplication::translate("Dialog", "Don't record") ? b->click() : void();
        },
        10000);
}

// A modal box nobody answers within seconds fails the test running and is
// dismissed: no test waits for the time limit. (Also silences the binder's
// warnings about the tutor's widgetless slots.) A test without widgets runs
// on a plain QCoreApplication, which has no modal widgets to watch.
inline void WatchModalBoxes()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.core.qmetaobject.connectslotsbyname=false"));
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    auto* watch = new QTimer(QCoreApplication::instance());
    auto since = std::make_shared<QElapsedTimer>();
    auto seen = std::make_shared<QPointer<QWidget>>();
    QObject::connect(watch, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != *seen) {
            *seen = modal;
            since->start();
        } else if (modal && since->elapsed() > 3000) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QTest::qFail(
                qPrintable(QLatin1String("modal box left open: ") + (box ? box->text() : modal->windowTitle())),
                __FILE__, __LINE__);
            Dismiss(modal);
        }
    });
    watch->start(100);
}
Q_COREAPP_STARTUP_FUNCTION(WatchModalBoxes)

// The visible labels, buttons, number boxes and choosers under `root` whose
// text does not fit the room they were given (a wrapped label: its height at
// its width), by object name or text.
inline QStringList CutOff(QWidget* root)
{
    QStringList cut;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        // A box's title is read whole: inside the box, nothing drawn over it.
        if (auto* box = qobject_cast<QGroupBox*>(w); box && box->isVisible() && !box->title().isEmpty()) {
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.textAlignment = box->alignment();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
            QStringList over;
            // What is drawn inside it: a label's text, any other widget whole
            // (not the bare widgets that only hold a layout).
            for (QWidget* c : box->findChildren<QWidget*>()) {
                if (!c->isVisible() || c->metaObject() == &QWidget::staticMetaObject)
                    continue;
                QRect drawn = c->rect();
                if (auto* l = qobject_cast<QLabel*>(c))
                    drawn = QStyle::alignedRect(l->layoutDirection(), l->alignment(), l->sizeHint().boundedTo(drawn.size()), drawn);
                if (QRect(c->mapTo(box, drawn.topLeft()), drawn.size()).intersects(title))
                    over << c->objectName();
            }
            if (!box->rect().contains(title) || !over.isEmpty())
                cut << box->objectName() + QStringLiteral(" title at %1,%2 %3x%4 under %5")
                                               .arg(title.x()).arg(title.y()).arg(title.width()).arg(title.height())
                                               .arg(over.join(u' '));
            continue;
        }
        auto* label = qobject_cast<QLabel*>(w);
        const bool wraps = label && label->wordWrap();
        if (!w->isVisible()
            || !(label || qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w)))
            continue;
        const QSize hint = w->sizeHint();
        const bool fits = wraps ? w->heightForWidth(w->width()) <= w->height()
                                : w->width() >= hint.width() && w->height() >= w->minimumSizeHint().height();
        if (!fits)
            cut << (w->objectName().isEmpty() ? (label ? label->text() : w->metaObject()->className()) : w->objectName())
                       + QStringLiteral(" %1x%2 < %3x%4").arg(w->width()).arg(w->height()).arg(hint.width())
                             .arg(wraps ? w->heightForWidth(w->width()) : hint.height());
    }
    return cut;
}

// Content records written as "text|explanation|url"; "<null>" is a null url.
inline ContentList Records(const QStringList& records)
{
    ContentList list;
    for (const QString& r : records) {
        auto field
            = [&r](int i) { return r.section(u'|', i, i).isNull() ? QStringLiteral("") : r.section(u'|', i, i); };
        list.append(ContentItem{field(0), field(1), field(2) == "<null>" ? QString() : field(2)});
    }
    return list;
}

// The items of a list as GetContentItem gives them, in the same form.
inline QStringList Records(const ContentList& list)
{
    QStringList out;
    for (int i = 0; i < list.size(); ++i) {
        ContentItem item{QStringLiteral("?"), QStringLiteral("?"), QStringLiteral("?")};
        list.GetContentItem(i, item);
        out << item.text + u'|' + item.explanation + u'|' + (item.url.isNull() ? QStringLiteral("<null>") : item.url);
    }
    return out;
}

// Stands in for the browser: the addresses the program asked it to open.
class Browser : public QObject
{
    Q_OBJECT
public:
    Browser() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Open"); }
    ~Browser() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

template <class T> T* Child(QObject* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    return child ? child : (qWarning("no child named %s", name), nullptr);
}

inline QString Text(QObject* parent, const char* lineEdit) { return Child<QLineEdit>(parent, lineEdit)->text(); }

// The clock the scripted tutors time their drills by: it stands still
// until a test moves it on.
inline ManualClock& TestClock()
{
    static ManualClock clock;
    return clock;
}

// Sets a tutor up for scripted drills: English, 101-key keyboard, items in
// order, explanations shown, drill length entry `itemCountIndex` (0: "40"),
// its one-second timer stopped (the test ticks it: Tick) and its drills
// timed by TestClock().
inline void ScriptedTutor(QDialog* tutor, int itemCountIndex = 0)
{
    for (QTimer* t : tutor->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
        t->stop();
    auto* own = tutor->findChild<Practice*>(QString(), Qt::FindDirectChildrenOnly);
    if (Practice* practice = own ? own : Practice::Instance())
        practice->SetClock(TestClock());
    Child<QRadioButton>(tutor, "rad_lang_english")->click();
    Child<QRadioButton>(tutor, "rad_kb_101")->click();
    Child<QComboBox>(tutor, "cmb_train_num")->setCurrentIndex(itemCountIndex);
    for (const char* name : {"chk_random_letter", "chk_random_word", "chk_random_sentence"})
        Child<QCheckBox>(tutor, name)->setChecked(false);
    Child<QCheckBox>(tutor, "chk_display_complain")->setChecked(true);
}

// Such a tutor, shown.
inline Dialog* NewTutor(int itemCountIndex = 0)
{
    auto* tutor = new Dialog;
    ScriptedTutor(tutor, itemCountIndex);
    tutor->show();
    if (!QTest::qWaitForWindowExposed(tutor))
        qWarning("tutor window not exposed");
    return tutor;
}

// The window's once-a-second tick, fired through its (stopped) timer.
inline void Tick(Dialog* tutor)
{
    for (QTimer* timer : tutor->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (timer->interval() == 1000)
            QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    }
}

// A score table by its view, its filled rows ("name=score", best first), and
// a score recorded as the end of a drill records it.
inline QStandardItemModel* TableOf(Dialog* tutor, const char* view)
{
    return qobject_cast<QStandardItemModel*>(Child<QTableView>(tutor, view)->model());
}

inline QStringList Rows(Dialog* tutor, const char* view)
{
    QStringList rows;
    for (int r = 0; TableOf(tutor, view)->item(r, 1); ++r)
        rows << TableOf(tutor, view)->item(r, 0)->text() + u'=' + TableOf(tutor, view)->item(r, 1)->text();
    return rows;
}

inline void AddScore(Dialog* tutor, QStandardItemModel* table, const QString& name, ulong score)
{
    QMetaObject::invokeMethod(
        tutor, "AddACTableItem", Q_ARG(QStandardItemModel*, table), Q_ARG(QString, name), Q_ARG(ulong, score));
}

// The item a label shows, without markup, explanation or a lone mark's circle.
inline QString ItemShown(QLabel* label)
{
    const QString html = label->text().section(QLatin1String("<br>"), 0, 0);
    return QTextDocumentFragment::fromHtml(html).toPlainText().remove(QChar(0x25CC));
}

// Latin keys that give `arabic` on the chosen layout, two-unit results
// (lam-alef) first; empty when some character has no key.
inline QString KeysFor(const QString& arabic, KeyboardLayout layout)
{
    QString keys;
    for (int i = 0, used = 1; i < arabic.size() && used; i += used) {
        used = 0;
        for (int len = 2; len >= 1 && !used; --len) {
            for (char16_t c = 0x20; c <= 0x7E && !used; ++c) {
                if (KeyCharMap::Instance()->MapString(QString(QChar(c)), layout) == arabic.mid(i, len))
                    keys += QChar(c), used = len;
            }
        }
        if (!used)
            return QString();
    }
    return keys;
}

// The layout the Setting tab has chosen.
inline KeyboardLayout ChosenLayout(QWidget* tutor)
{
    return Child<QRadioButton>(tutor, "rad_kb_101")->isChecked() ? KeyboardLayout::Kb101 : KeyboardLayout::Kb102;
}

// Presses one Latin key as a learner would, with Shift where the key needs it.
inline void Press(QWidget* w, QChar key)
{
    const bool shift = key.isUpper() || QStringLiteral("~!@#$%^&*()_+{}|:\"<>?").contains(key);
    QTest::keyClick(w, key.toLatin1(), shift ? Qt::ShiftModifier : Qt::NoModifier);
}

// Plays `items` items of the running drill (0 letter, 1 word, 2 sentence)
// correctly, or all up to its end for -1. Returns the items played.
inline int PlayDrill(Dialog* tutor, int drill, int items = -1)
{
    const char* const names[][3]
        = {{"tabletter", "lbl_src_letter", "btn_start_letter"}, {"le_dst_word", "lbl_src_word", "btn_start_word"},
            {"le_dst_sentence", "lbl_src_sentence", "btn_start_sentence"}};
    const KeyboardLayout layout = ChosenLayout(tutor);
    const QString stop = QCoreApplication::translate("Dialog", "Stop");
    int played = 0;
    while (played != items && played < 1000 && Child<QPushButton>(tutor, names[drill][2])->text() == stop) {
        const QString keys = KeysFor(ItemShown(Child<QLabel>(tutor, names[drill][1])), layout);
        for (QChar k : keys)
            Press(Child<QWidget>(tutor, names[drill][0]), k);
        if (keys.isEmpty())
            break;
        ++played;
    }
    return played;
}

} // namespace TestUtil

#endif // TESTUTIL_H
