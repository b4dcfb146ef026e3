#ifndef CLASSWINDOW_H
#define CLASSWINDOW_H

#include <QDialog>
#include <QLocale>

#include "class/classreport.h"
#include "drill/speedunit.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class ClassReader;
class Practice;
class KeyHeatMap;
class ProgressChart;

// The teacher's window (qirtas class): a class server and one of the
// classes the teacher's login reads, over a range of days. The learners of
// the class with their drills, minutes, last drill, lesson reached, speed,
// accuracy and trends; one learner in detail with the Progress tab's chart
// and heat map; the keys the whole class misses; the table as CSV.
//
// The server is read on a thread of its own (ClassReader): the window
// never waits for it, and says so when it cannot be reached or will not
// let the teacher in.
class ClassWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ClassWindow(QWidget* parent = nullptr);
    ~ClassWindow() override;

    // Asks the server in the field for the classes of the teacher's login.
    void Open();
    // Writes the table of learners to `path` as CSV; false when it could
    // not (the window says why).
    bool Export(const QString& path);

private:
    void Reload();
    void AskLearner();
    void ShowClasses(const ClassSql::Result& result, const QStringList& codes);
    // `leftOut`: the class's drills no seat could have typed.
    void ShowLearners(const ClassSql::Result& result, const QList<LearnerFigures>& figures, int leftOut);
    void ShowLearner(const ClassSql::Result& result, const QString& name, const LearnerDetail& detail);
    void ShowClassKeys(const ClassSql::Result& result, const CharCounts& keys);
    void ShowDrills();
    // Says `text` above the table; `detail` (the server's words) in its
    // tooltip. A trouble is drawn in the warning colour.
    void Say(const QString& text, const QString& detail = QString(), bool trouble = false);
    // Whether `result` is fine; says why not when it is not.
    bool Fine(const ClassSql::Result& result);
    ClassRange Range() const;
    QString SelectedLearner() const;
    void ExportAsked();

    QLocale dates;
    SpeedUnit unit;  // of the speeds shown and written
    ClassConnection server;
    ClassReader* reader;
    Practice* practice;  // the settings store
    QLineEdit* le_class_server;
    QPushButton* btn_class_open;
    QComboBox* cmb_class;
    QDateEdit* de_class_from;
    QDateEdit* de_class_to;
    QPushButton* btn_class_export;
    QLabel* lbl_class_message;
    QTableView* tv_class_learners;
    QStandardItemModel* learnerModel;
    QLabel* lbl_class_learner;
    QComboBox* cmb_class_drill;
    ProgressChart* wg_class_chart;
    QLabel* lbl_class_chart_empty;
    KeyHeatMap* wg_class_learner_keys;
    KeyHeatMap* wg_class_keys;
    QList<LearnerFigures> learners;
    QString detailName;
    LearnerDetail detail;
    QString savedClass;
};

#endif // CLASSWINDOW_H
