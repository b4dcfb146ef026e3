#ifndef CLASSDIALOG_H
#define CLASSDIALOG_H

#include <QDialog>
#include <QLocale>

class QLabel;
class QLineEdit;
class QPushButton;
class ClassMembership;

// The "Class…" dialog of the Progress tab: the class server (a libpq
// connection string or a service name, as whoever set up the class gave
// it), the class code and the learner's name. Join keeps them (never a
// password) and starts sending; "Leave the class" ends the membership in
// one click.
class ClassDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ClassDialog(ClassMembership* link, QWidget* parent = nullptr);

    // How sending stands, in whole sentences of the interface language;
    // `dates` writes the times. The server's own words are in
    // ClassMembership::Detail().
    static QString Worded(const ClassMembership& membership, const QLocale& dates);

private:
    void Join();
    void Leave();

    ClassMembership* link;
    QLineEdit* le_class_server;
    QLineEdit* le_class_code;
    QLineEdit* le_class_learner;
    QLabel* lbl_class_problem;
    QPushButton* btn_class_join;
    QPushButton* btn_class_leave;
};

#endif // CLASSDIALOG_H
