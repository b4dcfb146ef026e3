#ifndef TESTUTIL_H
#define TESTUTIL_H

// Helpers shared by the widget tests: a private settings store, answering
// modal boxes, finding widgets by object name.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QInputDialog>
#include <QLoggingCategory>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace TestUtil {

// Points QSettings (native and ini, user and system scope) and the learner's
// data folder (under "data") at a fresh temporary folder for the life of the
// object.
class TempSettings
{
public:
    TempSettings()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path() + QLatin1String("/data")));
        for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(f, QSettings::UserScope, dir.path());
            QSettings::setPath(f, QSettings::SystemScope, dir.path() + QLatin1String("/system"));
        }
    }
    QString path() const { return dir.path(); }
    // The tutor's store, opened the way the tutor opens it.
    static QSettings* Store()
    {
        return new QSettings(QStringLiteral("Nuvari Soft"), QStringLiteral("Qirtas"));
    }

private:
    QTemporaryDir dir;
};

// Runs `answer` on the next modal widget that shows up (polling every 20 ms,
// for at most `timeoutMs`). Use before the call that opens the box.
inline void WhenModal(std::function<void(QWidget*)> answer, int timeoutMs = 5000)
{
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, waited, timeoutMs] {
        *waited += 20;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        } else if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

// Clicks the button with `text` in the next message box.
inline void ClickInNextBox(const QString& text, QString* seenText = nullptr,
                           QString* seenTitle = nullptr)
{
    WhenModal([=](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box) {
            w->close();
            return;
        }
        if (seenText)
            *seenText = box->text();
        if (seenTitle)
            *seenTitle = box->windowTitle();
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == text) {
                b->click();
                return;
            }
        }
        box->close();
    });
}

// Types `name` into the next input dialog and accepts it (or rejects it
// when `accept` is false).
inline void AnswerNextInput(const QString& name, bool accept = true)
{
    WhenModal([=](QWidget* w) {
        auto* dlg = qobject_cast<QInputDialog*>(w);
        if (!dlg) {
            w->close();
            return;
        }
        dlg->setTextValue(name);
        if (accept)
            dlg->accept();
        else
            dlg->reject();
    });
}

template <class T>
T* Child(QObject* parent, const char* name)
{
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qWarning("no child named %s", name);
    return child;
}

// Five slots of the tutor have no widget by design; keeps the binder's
// warnings about them out of the test output.
inline void SilenceUnboundSlots()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.core.qmetaobject.connectslotsbyname=false"));
}

// Sets a tutor window up for scripted drills: English texts, 101-key
// keyboard, items in order, explanations shown, drill length entry
// `itemCountIndex`, and the one-second timer stopped so that the test ticks
// it itself (UpdateUIInfo).
inline void ScriptedTutor(QDialog* tutor, int itemCountIndex = 0)
{
    for (QTimer* t : tutor->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
        t->stop();
    Child<QRadioButton>(tutor, "rad_lang_english")->click();
    Child<QRadioButton>(tutor, "rad_kb_101")->click();
    Child<QComboBox>(tutor, "cmb_train_num")->setCurrentIndex(itemCountIndex);
    for (const char* name : {"chk_random_letter", "chk_random_word", "chk_random_sentence"})
        Child<QCheckBox>(tutor, name)->setChecked(false);
    Child<QCheckBox>(tutor, "chk_display_complain")->setChecked(true);
}

} // namespace TestUtil

#endif // TESTUTIL_H
